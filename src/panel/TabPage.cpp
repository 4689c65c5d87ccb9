#include "panel/TabPage.h"

#include "panel/ControlText.h"
#include "panel/LanguageTexts.h"
#include "panel/PageKit.h"
#include "settings/SettingsStore.h"

namespace zor {

TabPage::TabPage(PageContext& context, const QString& name, QWidget* parent)
    : QWidget(parent), context_(context) {
    setObjectName(name);
    // The page covers the tab control's lighter pane with the window's grey.
    setAutoFillBackground(true);
}

void TabPage::loadCaptions(const LanguageTexts& texts) {
    for (const CaptionKey& key : captionTable())
        applyRow(key, texts);
    showLanguage(texts);
}

void TabPage::applyRow(const CaptionKey& key, const LanguageTexts& texts) {
    const QString control = QLatin1String(key.control);
    switch (key.form) {
    case CaptionKey::Form::One:
        applyCaption(control, texts.text(key.text));
        return;
    case CaptionKey::Form::Consecutive:
        for (int i = 0; i < key.count; ++i)
            applyCaption(PageKit::arrayName(control, i), texts.text(key.text + i));
        return;
    case CaptionKey::Form::Numbered:
        const QString text = texts.text(key.text);
        for (int i = 0; i < key.count; ++i)
            applyCaption(PageKit::arrayName(control, i),
                         text.isEmpty() ? text : text + u' ' + QString::number(i + key.first));
        return;
    }
}

void TabPage::applyCaption(const QString& control, const QString& text) {
    QObject* target = findChild<QObject*>(control);
    Q_ASSERT(target);
    if (!target)
        return;
    setCaptionOf(target, text.isEmpty() ? designCaptionOf(target) : text);
}

void TabPage::showProgrammeTypes(const QStringList&) {}

void TabPage::restore() {
    const SettingsStore::Restoring quiet(context_.settings);
    restoreSettings();
}

void TabPage::restoreSettings() {}

void TabPage::disconnected() {}

std::span<const CaptionKey> TabPage::captionTable() const {
    return {};
}

void TabPage::showLanguage(const LanguageTexts&) {}

} // namespace zor
