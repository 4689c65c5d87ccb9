#pragma once

#include "panel/PageContext.h"

#include <QStringList>
#include <QWidget>
#include <span>

namespace zor {

class LanguageTexts;

// One row of a page's caption table: which controls show which language
// texts. A text the language file does not give leaves the control with the
// caption it was built with.
struct CaptionKey {
    enum class Form {
        One,         // `control` shows text `text`
        Consecutive, // element i of the array `control` shows text `text` + i
        Numbered,    // element i shows text `text`, a blank and i + `first`
    };
    Form form;
    const char* control;
    int text;
    int count = 1;
    int first = 0;
};

constexpr CaptionKey captionOfOne(const char* control, int text) {
    return {CaptionKey::Form::One, control, text};
}
constexpr CaptionKey captionsInTurn(const char* array, int firstText, int count) {
    return {CaptionKey::Form::Consecutive, array, firstText, count};
}
constexpr CaptionKey numberedCaptions(const char* array, int text, int count, int first) {
    return {CaptionKey::Form::Numbered, array, text, count, first};
}

// What every tab page of the main window does alike, so that the window, the
// caption loader and the start-up run all pages without knowing their
// controls: a page shows the texts of the language by its own caption table,
// restores itself from the settings files and stores its settings through
// the one settings store of its context.
class TabPage : public QWidget {
    Q_OBJECT

public:
    TabPage(PageContext& context, const QString& name, QWidget* parent = nullptr);

    PageContext& context() const { return context_; }

    // The captions of the page's table in the language of `texts`, then
    // whatever else the page shows in that language.
    void loadCaptions(const LanguageTexts& texts);
    // The 32 programme-type names of the language and RDS/RBDS mode.
    virtual void showProgrammeTypes(const QStringList& names);
    // The start-up restore from the settings files: handlers run as if the
    // operator had set each control, and what they store back of what was
    // read is not told when it cannot be stored.
    void restore();
    // The window went back to not connected: nothing may go out any more.
    virtual void disconnected();

protected:
    virtual std::span<const CaptionKey> captionTable() const;
    virtual void showLanguage(const LanguageTexts& texts);
    // The page's part of the restore; most pages have none.
    virtual void restoreSettings();

private:
    void applyRow(const CaptionKey& key, const LanguageTexts& texts);
    void applyCaption(const QString& control, const QString& text);

    PageContext& context_;
};

} // namespace zor
