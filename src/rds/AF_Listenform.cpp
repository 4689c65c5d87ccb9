#include "rds/AF_Listenform.h"

#include "settings/OperatorMessages.h"
#include "panel/AccessibleNames.h"
#include "panel/DisplayLabel.h"
#include "panel/PageKit.h"
#include "rds/AfListFrame.h"
#include "rds/AfLists.h"
#include "rds/RdsDataSet.h"
#include "settings/Captions.h"
#include "settings/IniFile.h"

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

constexpr int kClientWidth = 5430;
constexpr int kClientHeight = 3330;
constexpr int kButtonWidth = 975;
constexpr int kButtonHeight = 375;

// Caption text table entries the editor shows.
constexpr int kTitleText = 161;
constexpr int kOutOfRangeText = 164;
constexpr int kCommaText = 166;
constexpr int kTunedPromptText = 170;
constexpr int kInsertPlaceText = 171;
constexpr int kInsertTitleText = 172;

const QString kGerman = QStringLiteral("deutsch");

QString currentLanguage(const DataFolder& data) {
    return Ini_Lesen(QStringLiteral("Sprache"), QStringLiteral("Sprache"),
                     data.file(QLatin1String(kGeneralFile)));
}

// The editor's captions come straight from the language file; where it has
// no text the design caption stays.
void captionFromLanguage(QAbstractButton* control, const DataFolder& data,
                         const QString& language, int key, const QString& suffix = {}) {
    const QString text =
        Ini_Lesen(language, QString::number(key), data.file(QLatin1String(kLanguageFile)));
    if (!text.isEmpty())
        control->setText(text + suffix);
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

void AF_Listenform::build() {
    setFixedSize(twipsToPixels(kClientWidth, kClientHeight));
    setWindowTitle(QStringLiteral("bearbeiten ") + kind_);
    PageKit kit(this, context_.data.path());

    AF_TN_ = kit.display(this, QStringLiteral("AF_TN"), {480, 120, 1095, 285},
                         {"Abstimmfrequenz", "tuned frequency"}, true);
    AF_TN_->setAction(DisplayLabel::Action::Click);
    AF_List1_ = kit.list(this, QStringLiteral("AF_List1"), {480, 600, 1095, 2010},
                         {"Alternative Frequenzen", "alternative frequencies"});
    Text2_ = kit.textField(this, QStringLiteral("Text2"), {1920, 600, 975, 435},
                           {"Frequenz", "frequency"});
    AF_OF_add_ =
        kit.button(this, QStringLiteral("AF_OF_add"), {1920, 1200, kButtonWidth, kButtonHeight},
                   QStringLiteral("Einfügen"), {"Frequenz einfügen", "insert frequency"});
    Command1_ =
        kit.button(this, QStringLiteral("Command1"), {1920, 1680, kButtonWidth, kButtonHeight},
                   QStringLiteral("Anfügen"), {"Frequenz anfügen", "append frequency"});
    Rem_Freq_ =
        kit.button(this, QStringLiteral("Rem_Freq"), {1920, 2160, kButtonWidth, kButtonHeight},
                   QStringLiteral("löschen"), {"Frequenz löschen", "delete frequency"});

    kit.line(this, QStringLiteral("Line1"), 3720, 120, 3720, 2640);
    AFList_Opt_ = kit.optionGroup(QStringLiteral("AFList_Opt"));
    for (int i = 0; i < kAfListCount; ++i)
        kit.option(AFList_Opt_, i, this, {3960, 600 + i * 360, 1350, 255},
                   QStringLiteral("Liste ") + QString::number(i + 1), {"Liste", "list"});

    kit.line(this, QStringLiteral("Line2"), 0, 2760, kClientWidth, 2760);
    Uebernahme_Knopf_ = kit.button(this, QStringLiteral("Uebernahme_Knopf"),
                                   {2880, 2880, kButtonWidth, kButtonHeight}, QStringLiteral("OK"),
                                   {"Liste speichern", "store list"});
    Ende_Knopf_ = kit.button(this, QStringLiteral("Ende_Knopf"),
                             {3960, 2880, kButtonWidth, kButtonHeight}, QStringLiteral("zurück"),
                             {"Ohne Speichern schließen", "close without storing"});

    connect(AFList_Opt_, &QButtonGroup::idClicked, this, &AF_Listenform::AFList_Opt_Click);
    connect(AF_TN_, &DisplayLabel::clicked, this, &AF_Listenform::AF_TN_Click);
    connect(Command1_, &QPushButton::clicked, this, &AF_Listenform::Command1_Click);
    connect(AF_OF_add_, &QPushButton::clicked, this, &AF_Listenform::AF_OF_add_Click);
    connect(Rem_Freq_, &QPushButton::clicked, this, &AF_Listenform::Rem_Freq_Click);
    connect(Uebernahme_Knopf_, &QPushButton::clicked, this,
            &AF_Listenform::Uebernahme_Knopf_Click);
    connect(Ende_Knopf_, &QPushButton::clicked, this, &QDialog::reject);
}

void AF_Listenform::loadCaptions() {
    const DataFolder& data = context_.data;
    const QString language = currentLanguage(data);
    const QString title =
        Ini_Lesen(language, QStringLiteral("89"), data.file(QLatin1String(kLanguageFile)));
    if (!title.isEmpty())
        setWindowTitle(title + u' ' + kind_);
    for (int i = 0; i < kAfListCount; ++i)
        captionFromLanguage(AFList_Opt(i), data, language, 74,
                            u' ' + QString::number(i + 1));
    captionFromLanguage(AF_OF_add_, data, language, 195);
    captionFromLanguage(Command1_, data, language, 196);
    captionFromLanguage(Rem_Freq_, data, language, 197);
    captionFromLanguage(Uebernahme_Knopf_, data, language, 198);
    captionFromLanguage(Ende_Knopf_, data, language, 199);
    refreshAccessibleNames(this, language == kGerman);
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
    AF_Liste_Anzeigen(AF_TN_, AF_List1_, readRdsKey(context_, afListKey(kind_, listNumber_)));
}

void AF_Listenform::AF_TN_Click() {
    const Captions& texts = context_.texts;
    QString answer;
    do {
        answer = askText_(texts.text(kTitleText), texts.text(kTunedPromptText), AF_TN_->text())
                     .trimmed();
        if (answer.isEmpty())
            return;
    } while (!acceptableTunedFrequency(answer));
    AF_TN_->setText(tunedFrequencyDisplay(answer, AF_TN_->text()));
}

bool AF_Listenform::acceptableTunedFrequency(const QString& answer) {
    bool acceptable = true;
    if (!isTunedFrequency(answer)) {
        warn(kOutOfRangeText);
        acceptable = false;
    }
    if (answer.contains(u',')) {
        warn(kCommaText);
        acceptable = false;
    }
    return acceptable;
}

// A comma would split the entry into two when the list is read back.
bool AF_Listenform::acceptableEntry(const QString& entry) {
    if (entry.contains(u',')) {
        warn(kCommaText);
        return false;
    }
    if (!isAlternativeFrequency(entry)) {
        warn(kOutOfRangeText);
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
        context_.messages.warn(context_.texts.text(kInsertTitleText),
                               context_.texts.text(kInsertPlaceText));
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
    if (writeRdsKey(context_, afListKey(kind_, listNumber_), joinAfList(AF_TN_->text(), entries)))
        accept();
}

int AF_Listenform::selectedRow() const {
    const QList<QListWidgetItem*> selected = AF_List1_->selectedItems();
    return selected.isEmpty() ? -1 : AF_List1_->row(selected.first());
}

void AF_Listenform::warn(int text) {
    context_.messages.warn(context_.texts.text(kTitleText), context_.texts.text(text));
}

} // namespace zor
