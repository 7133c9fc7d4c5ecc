#include "TfrmStatIngressi.h"

#include "StatChartView.h"
#include "TSchedaIngresso.h"
#include "app/ArchiveMessages.h"
#include "app/CommandBar.h"
#include "app/DateLists.h"
#include "app/Dialog.h"
#include "app/FieldTable.h"
#include "app/GeneralGuide.h"
#include "app/Platform.h"
#include "app/PrintMessages.h"
#include "app/ReportOutput.h"
#include "app/StatusLine.h"
#include "app/TfrmGuida.h"
#include "reports/ChartReport.h"
#include "reports/ReportError.h"
#include "reports/ReportRenderer.h"
#include "storage/DateText.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr FieldRow kYear = {"txtAnno", "Anno:", 4, Input::Digits};

// Each month's colour in the chart, January first.
constexpr QRgb kMonthColours[12] = {0xFF0000, 0x0000FF, 0xFFE4C4, 0xFF00FF, 0xC0DCC0, 0xFFFF00,
                                    0x00FF00, 0xC0C0C0, 0xF0FBFF, 0x87CEEB, 0x800000, 0x008000};

constexpr Command kButtons[] = {
    {"btnTorta", "Visualizza grafico a torta", "office-chart-pie",
     "Visualizza le statistiche degli ingressi sotto forma di grafico a torta tridimensionale."},
    {"btnBarre", "Visualizza grafico a barre", "office-chart-bar",
     "Visualizza le statistiche degli ingressi sotto forma di grafico a barre tridimensionali."},
    {"btnStampa", "Stampa grafico", "document-print", "Stampa il grafico corrente."},
    {"btnEsci", "Esci", "application-exit", "Esci da questo ambiente di lavoro."},
};
constexpr Command kGuida = {"cmdGuida", "Guida", "help-contents",
                            "Visualizza la pagina della guida sensibile al contesto."};
constexpr Command kYearPictures[] = {
    {"imgGuida", "Guida", "help-contents", ""},
    {"imgEsci", "Esci", "application-exit", ""},
};

QToolButton* pictureButton(const Command& command, QWidget* parent) {
    QToolButton* b = makeCommandButton(command, nullptr, parent, Qt::ToolButtonIconOnly);
    b->setIconSize(QSize(48, 48));
    b->setToolTip(QString::fromUtf8(command.caption));
    return b;
}

} // namespace

TfrmStatIngressi::TfrmStatIngressi() {
    setObjectName(QStringLiteral("frmStatIngressi"));
    setWindowTitle(QStringLiteral(" Zandorio - Statistiche Ingressi Mensili"));

    m_lblFile = new QLabel(this);
    m_lblFile->setObjectName(QStringLiteral("lblFile"));
    m_lblFile->hide();
    for (int m = 0; m < 12; ++m) {
        m_counters[m] = new QLabel(QStringLiteral("0"), this);
        m_counters[m]->setObjectName(QStringLiteral("mem") + DateLists::monthName(m + 1));
        m_counters[m]->hide();
    }

    m_panAvvio = yearPanel();
    m_panContainer = chartPanel();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_panAvvio);
    layout->addWidget(m_panContainer);
}

QWidget* TfrmStatIngressi::yearPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panAvvio"));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(QStringLiteral("#panAvvio { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                        "stop:0 #4682B4, stop:1 #FFFFFF); }"));

    m_year = new FieldTable(panel, std::span<const FieldRow>(&kYear, 1), Highlight::Frame);
    m_txtAnno = m_year->field(kYear.name);
    m_txtAnno->setFixedWidth(80);
    m_btnApri = dialogButton(panel, "btnApri", QStringLiteral("Apri"), "document-open");
    // Enter in the year moves on to "Apri"; pressing it there opens the year.
    m_year->setEnterAction([this] { m_btnApri->setFocus(); });
    auto* instruction = new QLabel(QStringLiteral("Indicare l'anno solare e premere Apri."), panel);
    instruction->setStyleSheet(QStringLiteral("color: white; font-size: 13pt; font-weight: bold;"));

    QToolButton* imgGuida = pictureButton(kYearPictures[0], panel);
    QToolButton* imgEsci = pictureButton(kYearPictures[1], panel);
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(imgGuida);
    pictures->addStretch();
    pictures->addWidget(imgEsci);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_year->label(kYear.name));
    row->addWidget(m_txtAnno);
    row->addWidget(m_btnApri);
    row->addStretch();

    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(pictures);
    layout->addStretch();
    layout->addWidget(instruction, 0, Qt::AlignHCenter);
    layout->addLayout(row);
    layout->addStretch(2);

    connect(m_btnApri, &QPushButton::clicked, this, &TfrmStatIngressi::btnApriClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmStatIngressi::showGuide);
    connect(imgEsci, &QToolButton::clicked, this, &QWidget::close);
    return panel;
}

QWidget* TfrmStatIngressi::chartPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panContainer"));

    m_lblTitolo = new QLabel(panel);
    m_lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    m_lblTitolo->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold; color: #4682B4;"));
    auto* explanation = new QLabel(
        QStringLiteral(
            "Il presente grafico statistico mostra gli accessi in palestra totalizzati in ciascun mese "
            "dell'anno in base agli ingressi registrati.\nServirsi dei pulsanti in calce per "
            "visualizzare il tipo di grafico desiderato e per mandarlo in stampa."),
        panel);
    explanation->setWordWrap(true);
    m_chart = new StatChartView(panel);

    auto* panInfo = new StatusLine(QStringLiteral("Grafico statistico delle visite mensili."), panel);
    auto* buttons = new QHBoxLayout;
    for (const Command& c : kButtons) {
        QPushButton* b = dialogButton(panel, c.name, QString::fromUtf8(c.caption), c.icon);
        panInfo->addHint(b, QString::fromUtf8(c.hint));
        buttons->addWidget(b);
    }
    buttons->addStretch();
    QToolButton* cmdGuida = makeCommandButton(kGuida, panInfo, panel, Qt::ToolButtonTextBesideIcon);
    buttons->addWidget(cmdGuida);

    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(m_lblTitolo);
    layout->addWidget(explanation);
    layout->addWidget(m_chart, 1);
    layout->addLayout(buttons);
    layout->addWidget(panInfo);

    connect(panel->findChild<QPushButton*>(QStringLiteral("btnTorta")), &QPushButton::clicked, this,
            &TfrmStatIngressi::btnTortaClick);
    connect(panel->findChild<QPushButton*>(QStringLiteral("btnBarre")), &QPushButton::clicked, this,
            &TfrmStatIngressi::btnBarreClick);
    connect(panel->findChild<QPushButton*>(QStringLiteral("btnStampa")), &QPushButton::clicked, this,
            &TfrmStatIngressi::btnStampaClick);
    connect(panel->findChild<QPushButton*>(QStringLiteral("btnEsci")), &QPushButton::clicked, this,
            &QWidget::close);
    connect(cmdGuida, &QToolButton::clicked, this, &TfrmStatIngressi::showGuide);
    return panel;
}

void TfrmStatIngressi::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    // Every visit starts again from the year, with an empty chart.
    m_txtAnno->setText(QStringLiteral("%1").arg(platform().today().year(), 4, 10, QLatin1Char('0')));
    for (QLabel* counter : m_counters)
        counter->setText(QStringLiteral("0"));
    m_chart->setPoints({});
    m_panContainer->hide();
    m_panAvvio->show();
    m_txtAnno->setFocus();
}

void TfrmStatIngressi::btnApriClick() {
    // The year names the register read: never anything but four digits, however it was entered.
    if (!DateText::isYear(m_txtAnno->text())) {
        platform().message(Platform::Box::Warning,
                           QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        m_txtAnno->setFocus();
        return;
    }
    const QString year = Text::trimBlanks(m_txtAnno->text());
    const QString path = TSchedaIngresso::path(year);
    EntryStatistics::Counts counts;
    try {
        counts = EntryStatistics::count(path, year);
    } catch (const StorageError&) {
        platform().message(Platform::Box::Error, ArchiveMessages::kFailure);
        return;
    }
    m_lblFile->setText(path);
    m_lblTitolo->setText(QStringLiteral("Rappresentazione grafica degli ingressi registrati nell'anno ") +
                         year + QStringLiteral("."));
    showCounts(counts);
    m_panAvvio->hide();
    m_panContainer->show();
}

void TfrmStatIngressi::showCounts(const EntryStatistics::Counts& counts) {
    QList<ChartPoint> points;
    for (int m = 0; m < 12; ++m) {
        m_counters[m]->setText(QString::number(counts[m]));
        points.append({DateLists::monthName(m + 1), QColor(kMonthColours[m]), counts[m]});
    }
    m_chart->setPoints(points);
}

void TfrmStatIngressi::btnBarreClick() {
    m_chart->setKind(Chart3D::Kind::Bars);
}

void TfrmStatIngressi::btnTortaClick() {
    m_chart->setKind(Chart3D::Kind::Pie);
}

void TfrmStatIngressi::btnStampaClick() {
    if (!platform().ask(QStringLiteral("Si vuole stampare il presente grafico statistico?")))
        return;
    const std::optional<QString> typed = platform().inputText(QStringLiteral("Numero copie da stampare"),
                                                              QStringLiteral("Copie:"), QStringLiteral("1"));
    if (!typed)
        return;
    try {
        const ReportTemplate report =
            ChartReport::make(QStringLiteral("Statistiche ingressi mensili"), m_chart->chart());
        ReportOutput::print(ReportRenderer(report), this, EntryStatistics::copies(*typed));
    } catch (const ReportError&) {
        platform().message(Platform::Box::Warning, PrintMessages::kPrintFailed);
    }
}

void TfrmStatIngressi::showGuide() {
    // The statistics' paragraphs of the general guide.
    ::showGuide(this, QStringLiteral("App Statistiche Ingressi Mensili"), GeneralGuide::text(34, 38));
}
