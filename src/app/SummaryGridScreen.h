#pragma once

#include "ExportScreen.h"

#include <QStringList>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QStackedWidget;

// A summary shown as a grid and exported as a spreadsheet. A summary that needs a choice first
// (a day, a month) shows its selection panel `panAnno` in the grid's place: the year it works on, an
// instruction, one pick-only list for each choice and "Visualizza". Listing the rows hides the
// panel for good; a summary without choices lists its rows as soon as it is shown.
class SummaryGridScreen : public ExportScreen {
    Q_OBJECT
public:
    // The rows for the choices made, one text a list; nothing when the source holds no record at
    // all, which leaves the grid and the panel as they are. Raises StorageError when the source
    // cannot be read.
    using List = std::function<std::optional<GridRows>(const QStringList& chosen)>;

    // One pick-only list of the selection panel.
    struct Choice {
        QString name; // "cboGiorno"
        QString caption;
        QStringList items;
    };

    SummaryGridScreen(QWidget* parent, const QString& objectName, const QString& caption,
                      const SpreadsheetExport& format, List list);

    // Lays the selection panel over the grid, with the year it is about.
    void setSelection(const QString& year, const QString& instruction, const QList<Choice>& choices);
    void setGuide(const QString& title, const QString& text);

public Q_SLOTS:
    void btnVisualizzaClick();

protected:
    void listRows() override;

private:
    // Lists the rows; false when nothing was listed.
    bool list(const QStringList& chosen);

    List m_list;
    QString m_guideTitle;
    QString m_guideText;
    QStackedWidget* m_pages = nullptr; // the selection panel, then the grid
    QWidget* m_panAnno = nullptr;
    QList<QComboBox*> m_choices;
};
