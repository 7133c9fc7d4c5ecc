#pragma once

#include "EntryStatistics.h"

#include <QWidget>

class FieldTable;
class QLabel;
class QLineEdit;
class QPushButton;
class StatChartView;

// The monthly entry statistics: the year panel `panAvvio` asks for a calendar year; "Apri" counts
// the entries of that year's register month by month and shows them in the chart panel
// `panContainer` as 3D bars or a 3D pie, which can be printed. The register is only read.
class TfrmStatIngressi : public QWidget {
    Q_OBJECT
public:
    TfrmStatIngressi();

public Q_SLOTS:
    void btnApriClick();
    void btnBarreClick();
    void btnTortaClick();
    void btnStampaClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* yearPanel();
    QWidget* chartPanel();
    void showCounts(const EntryStatistics::Counts& counts);
    void showGuide();

    FieldTable* m_year;
    QLineEdit* m_txtAnno;
    QPushButton* m_btnApri;
    QWidget* m_panAvvio;
    QWidget* m_panContainer;
    QLabel* m_lblTitolo;
    QLabel* m_lblFile;
    QLabel* m_counters[12];
    StatChartView* m_chart;
};
