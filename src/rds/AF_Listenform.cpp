#include "rds/AF_Listenform.h"

#include "panel/AccessibleNames.h"
#include "panel/CaptionText.h"
#include "panel/DisplayLabel.h"
#include "panel/PageKit.h"
#include "rds/AfListFrame.h"
#include "rds/AfLists.h"
#include "settings/Captions.h"
#include "settings/IniFile.h"
#include "settings/OperatorMessages.h"
#include "settings/SettingsStore.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace zor {

namespace {

// Where the lists are kept: section "RDS" of the data set file.
constexpr auto kSection = "RDS";

// The editor's captions come straight from the language file; where it has
// no text the design caption stays.
void captionFromLanguage(QAbstractButton* control, const DataFolder& data, Text text,
                         const QString& suffix = {}) {
    const QString loaded = languageText(data, text);
    if (!loaded.isEmpty())
        control->setText(loaded + suffix);
}

QString askWithInputBox(QWidget* parent, const QString& title, const QString& prompt,
                        const QString& proposal) {
    bool answered = false;
    const QString answer =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, proposal, &answered);
    return answered ? answer : QString();
}

bool askYesOrNo(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

AF_Listenform::AF_Listenform(PageContext& context, QWidget* parent)
    : QDialog(parent), context_(context), kind_(context.current.afEditorMode),
      askText_([this](const QString& title, const QString& prompt, const QString& proposal) {
          return askWithInputBox(this, title, prompt, proposal);
      }),
      askYesNo_([this](const QString& title, const QString& text) {
          return askYesOrNo(this, title, text);
      }) {
    setObjectName(QStringLiteral("AF_Listenform"));
    build();
    connectHandlers();
    loadCaptions();
    centreOnScreen();
    enableStoredAfLists(context_.data, kind_, AFList_Opt_);
    AFList_Opt_->button(0)->setChecked(true);
    AFList_Opt_Click(0);
}

void AF_Listenform::runModal(AF_Listenform& editor) {
    editor.exec();
}

QRadioButton* AF_Listenform::AFList_Opt(int index) const {
    return optionAt(AFList_Opt_, index);
}

void AF_Listenform::connectHandlers() {
    connect(AFList_Opt_, &QButtonGroup::idClicked, this, &AF_Listenform::AFList_Opt_Click);
    connect(AF_TN_, &DisplayLabel::clicked, this, &AF_Listenform::AF_TN_Click);
    connect(Command1_, &QPushButton::clicked, this, &AF_Listenform::Command1_Click);
    connect(AF_OF_add_, &QPushButton::clicked, this, &AF_Listenform::AF_OF_add_Click);
    connect(Rem_Freq_, &QPushButton::clicked, this, &AF_Listenform::Rem_Freq_Click);
    connect(Uebernahme_Knopf_, &QPushButton::clicked, this, &AF_Listenform::Uebernahme_Knopf_Click);
    connect(Ende_Knopf_, &QPushButton::clicked, this, &QDialog::reject);
}

void AF_Listenform::loadCaptions() {
    const DataFolder& data = context_.data;
    const QString title = languageText(data, Text::EditorTitleWord);
    if (!title.isEmpty())
        setWindowTitle(title + u' ' + kind_);
    for (int i = 0; i < kAfListCount; ++i)
        captionFromLanguage(AFList_Opt(i), data, Text::ListWord, u' ' + QString::number(i + 1));
    captionFromLanguage(AF_OF_add_, data, Text::EditorInsert);
    captionFromLanguage(Command1_, data, Text::EditorAppend);
    captionFromLanguage(Rem_Freq_, data, Text::EditorDelete);
    captionFromLanguage(Uebernahme_Knopf_, data, Text::EditorOk);
    captionFromLanguage(Ende_Knopf_, data, Text::EditorBack);
    const QString language = Ini_Lesen(QStringLiteral("Sprache"), QStringLiteral("Sprache"),
                                       data.file(QLatin1String(kGeneralFile)));
    refreshAccessibleNames(this, language == QLatin1String("deutsch"));
}

void AF_Listenform::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void AF_Listenform::AFList_Opt_Click(int index) {
    listNumber_ = index + 1;
    AF_Liste_Anzeigen(
        AF_TN_, AF_List1_,
        context_.settings.read(kDataSetFile, kSection, afListKey(kind_, listNumber_)));
}

void AF_Listenform::AF_TN_Click() {
    const Captions& texts = context_.texts;
    QString answer;
    do {
        answer = askText_(texts.text(Text::AfListTitle), texts.text(Text::TunedFrequencyPrompt),
                          AF_TN_->text())
                     .trimmed();
        if (answer.isEmpty())
            return;
    } while (!acceptableTunedFrequency(answer));
    AF_TN_->setText(tunedFrequencyDisplay(answer, AF_TN_->text()));
}

bool AF_Listenform::acceptableTunedFrequency(const QString& answer) {
    bool acceptable = true;
    if (!isTunedFrequency(answer)) {
        warn(Text::FrequencyOutOfRange);
        acceptable = false;
    }
    if (answer.contains(u',')) {
        warn(Text::CommaInEntry);
        acceptable = false;
    }
    return acceptable;
}

// A comma would split the entry into two when the list is read back.
bool AF_Listenform::acceptableEntry(const QString& entry) {
    if (entry.contains(u',')) {
        warn(Text::CommaInEntry);
        return false;
    }
    if (!isAlternativeFrequency(entry)) {
        warn(Text::FrequencyOutOfRange);
        return false;
    }
    return true;
}

void AF_Listenform::Command1_Click() {
    const QString entry = Text2_->text().trimmed();
    if (acceptableEntry(entry))
        AF_List1_->addItem(entry);
}

void AF_Listenform::AF_OF_add_Click() {
    const int row = selectedRow();
    if (row <= 0) {
        context_.messages.warn(context_.texts.text(Text::InsertTitle),
                               context_.texts.text(Text::InsertPlace));
        return;
    }
    const QString entry = Text2_->text().trimmed();
    if (acceptableEntry(entry))
        AF_List1_->insertItem(row, entry);
}

void AF_Listenform::Rem_Freq_Click() {
    const int row = selectedRow();
    if (row < 0)
        return;
    const QString entry = AF_List1_->item(row)->text();
    if (entry.isEmpty() || AF_List1_->count() < 2)
        return;
    if (askYesNo_(QStringLiteral("Liste ändern?"),
                  QStringLiteral("Möchten Sie diese Frequenz\naus der Liste löschen?\n") + entry +
                      QStringLiteral(" MHz")))
        delete AF_List1_->takeItem(row);
}

void AF_Listenform::Uebernahme_Knopf_Click() {
    QStringList entries;
    for (int row = 0; row < AF_List1_->count(); ++row)
        entries.append(AF_List1_->item(row)->text());
    if (context_.settings.write(kDataSetFile, kSection, afListKey(kind_, listNumber_),
                                joinAfList(AF_TN_->text(), entries)))
        accept();
}

int AF_Listenform::selectedRow() const {
    const QList<QListWidgetItem*> selected = AF_List1_->selectedItems();
    return selected.isEmpty() ? -1 : AF_List1_->row(selected.first());
}

void AF_Listenform::warn(Text text) {
    context_.messages.warn(context_.texts.text(Text::AfListTitle), context_.texts.text(text));
}

} // namespace zor
