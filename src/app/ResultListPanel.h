#pragma once

#include "ListFinder.h"
#include "ResultLines.h"

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class ResultListModel;

// The result list that the searches and lists share: the sorted lines `lstRecords`, the in-list
// finder (`txtTrova`, "Trova"), "Stampa" and "Chiudi". A double click on a line asks its owner to
// hand the line's record over.
class ResultListPanel : public QWidget {
    Q_OBJECT
public:
    // `hint` tells what a double click does.
    ResultListPanel(const QString& hint, QWidget* parent);

    // Sorted lines (the default), or lines in the order they are given.
    void setSorted(bool sorted);
    void setLines(ResultLines lines);
    // Memory for the next list (ResultListModel::takeSpareLines).
    ResultLines takeSpareLines();
    void setLines(const QStringList& lines) { setLines(ResultLines(lines)); }
    void clear();
    int count() const;
    // Every line, in list order.
    QStringList lines() const;
    // Empties `txtTrova` and puts the focus there; the finder keeps its last text.
    void focusFinder();
    // The same, with the finder's last text forgotten.
    void startFinder();
    // What "Stampa" does with the lines in list order; without it "Stampa" stays disabled.
    void setPrintAction(std::function<void(const QStringList& lines)> print);
    // For a list whose screen names its buttons otherwise: the caption of "Stampa", and the name
    // and caption of "Chiudi".
    void renameButtons(const QString& printCaption, const char* closeName, const QString& closeCaption);
    // Keeps the finder's last text in `finder` rather than in the panel: a list shown afresh at
    // every request can go on from the text looked for last time.
    void useFinder(ListFinder& finder) { m_finder = &finder; }

Q_SIGNALS:
    void lineChosen(const QString& line);
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void btnTrovaClick();
    void fitFont();

    ResultListModel* m_model;
    QListView* m_list;
    QLineEdit* m_txtTrova;
    QPushButton* m_btnTrova;
    QPushButton* m_btnStampa;
    QPushButton* m_btnChiudi;
    ListFinder m_ownFinder;
    ListFinder* m_finder = &m_ownFinder;
    std::function<void(const QStringList&)> m_print;
};
