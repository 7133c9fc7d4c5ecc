#pragma once

#include "FieldTable.h"
#include "LazyScreen.h"

#include <QHash>
#include <QWidget>

#include <functional>
#include <optional>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// The menu in front of a module kept in yearly archives (the entries registers, the receipts): a
// year field, digits only and four characters, whose "Apri" opens the module's screen on the
// archive of that year in the program folder. The hidden `lblMemory` says where the menu goes
// when it leaves: "avvio" back to the main menu, or the key of the screen it opened, which then
// shows in its place. Each module configures it with its names and texts.
class YearlyArchiveMenu : public QWidget {
    Q_OBJECT
public:
    struct Config {
        const char* objectName;  // "frmMenuIngressi"
        const char* caption;     // window caption, UTF-8
        const char* information; // what the module does, UTF-8
        const char* section;     // caption of the archive's section, UTF-8
        FieldRow yearField;      // the year field with its caption
        const char* openButton;  // the archive's "Apri"
        const char* key;         // `lblMemory` on leaving for the archive's screen
        // The archive of a year: program folder + year + extension.
        QString (*archivePath)(const QString& year);
    };
    // What "Apri" tells the module's screen before it shows: the year typed and its archive.
    using OpenYear = std::function<void(const QString& year, const QString& path)>;

    explicit YearlyArchiveMenu(const Config& config);

    // The screen "Apri" shows, and how it takes the year; until then "Apri" stays disabled.
    void setArchiveScreen(ScreenSource screen, OpenYear open);
    // What the guide picture shows.
    void setGuide(const QString& title, const QString& text);
    QString modeKey() const;

protected:
    // A further section under the archive's: its caption and an "Apri" button, disabled until
    // addDestination gives the button's key a screen.
    QPushButton* addSection(const QString& caption, const char* button);
    // A further button beside the archive's "Apri", disabled until addDestination gives its key a
    // screen.
    QPushButton* addArchiveButton(const char* button, const QString& caption, const char* icon);
    void addDestination(const QString& key, ScreenSource screen);
    // The year typed when it is four digits; otherwise the warning, the focus back on the year, and
    // nothing.
    std::optional<QString> checkedYear();
    // Hides the menu and shows the screen of `key`; with "avvio", closes it (the main menu
    // shows again).
    void leaveFor(const QString& key);

    void showEvent(QShowEvent* event) override;

private:
    void btnApriClick();

    const Config& m_config;
    FieldTable* m_year;
    QPushButton* m_btnApri;
    QHBoxLayout* m_archiveRow;
    QLabel* m_lblMemory;
    QVBoxLayout* m_sections;
    QHash<QString, ScreenSource> m_destinations;
    OpenYear m_open;
    QString m_guideTitle;
    QString m_guideText;
};
