#include "TfrmMenuRiepCosti.h"

#include "IncomeGuide.h"
#include "IncomeSummary.h"
#include "TSchedaRicevuta.h"
#include "TfrmRiepCosti.h"
#include "app/CommandBar.h"
#include "app/DateLists.h"
#include "app/Dialog.h"
#include "app/FieldTable.h"
#include "app/Platform.h"
#include "app/TfrmGuida.h"
#include "storage/Text.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

namespace {

// clang-format off
constexpr FieldRow kFields[] = {
    {"txtAnno",         "Anno:",              4,   Input::Digits},
    {"txtEsecutore",    "Pagatore:",          50},
    {"txtCCP",          "Attività sportiva:", 120},
    {.name = "txtGiornoInizio", .label = "Giorno:", .control = Control::Pick, .items = DateLists::days},
    {.name = "txtMeseInizio",   .label = "Mese:",   .control = Control::Pick, .items = DateLists::months},
    {.name = "txtGiornoFine",   .label = "Giorno:", .control = Control::Pick, .items = DateLists::days},
    {.name = "txtMeseFine",     .label = "Mese:",   .control = Control::Pick, .items = DateLists::months},
};
// clang-format on

constexpr const char* kInformation[] = {
    "Indicare l'anno solare di interesse, il cognome e nome del pagatore e/o l'attività sportiva praticata.",
    "Per ottenere il riepilogo di tutti gli importi incassati nell'intervallo di tempo, lasciare in bianco i "
    "campi di ricerca soprastanti.",
    "Indicare l'intervallo di tempo relativo al periodo da riepilogare in base alla data di emissione delle "
    "ricevute.",
};

constexpr int kCardWidth = 640;
constexpr int kCardMargin = 24;

constexpr Command kGuida = {"imgGuida", "Guida", "help-contents",
                            "Visualizza la pagina della guida sensibile al contesto."};

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLabel* information(QWidget* parent, const char* text) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setWordWrap(true);
    return l;
}

} // namespace

TfrmMenuRiepCosti::TfrmMenuRiepCosti() {
    setObjectName(QStringLiteral("frmMenuRiepCosti"));
    setWindowTitle(QStringLiteral(" Zandorio - Riepilogo Incassi"));
    setStyleSheet(QStringLiteral("#frmMenuRiepCosti { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                 "stop:0 #4682B4, stop:1 #FFFFFF); } QGroupBox { font-weight: bold; }"));

    auto* card = new QWidget(this);
    card->setMaximumWidth(760);
    card->setObjectName(QStringLiteral("panRichiesta"));
    card->setStyleSheet(QStringLiteral("#panRichiesta { background: white; border-radius: 8px; }"));
    m_fields = new FieldTable(card, kFields, Highlight::Frame);
    m_fields->setEnterAction([this] { moveOn(); });
    connect(m_fields->field("txtAnno"), &QLineEdit::textChanged, this, &TfrmMenuRiepCosti::copyYear);

    m_lblAnnoInizio = label(card, "lblAnnoInizio", QStringLiteral("ANNO"));
    m_lblAnnoFine = label(card, "lblAnnoFine", QStringLiteral("ANNO"));
    m_btnVisualizza =
        dialogButton(card, "btnVisualizza", QStringLiteral("Visualizza riepilogo"), "view-list-text");
    QPushButton* btnEsci = dialogButton(card, "btnEsci", QStringLiteral("Esci"), "application-exit");
    m_lblAttendere =
        label(card, "lblAttendere", QStringLiteral("Caricamento riepilogo in corso. Attendere..."));
    // Its line is kept while hidden: showing it moves nothing, so "Visualizza riepilogo" stays
    // under the pointer between press and release.
    QSizePolicy waiting = m_lblAttendere->sizePolicy();
    waiting.setRetainSizeWhenHidden(true);
    m_lblAttendere->setSizePolicy(waiting);
    m_lblAttendere->hide();
    m_lblDataInizio = label(card, "lblDataInizio", QString());
    m_lblDataFine = label(card, "lblDataFine", QString());
    m_lblFile = label(card, "lblFile", QString());
    for (QLabel* hidden : {m_lblDataInizio, m_lblDataFine, m_lblFile})
        hidden->hide();

    auto* filters = new QGridLayout;
    for (const char* name : {"txtAnno", "txtEsecutore", "txtCCP"}) {
        const int line = filters->rowCount();
        filters->addWidget(m_fields->label(name), line, 0);
        filters->addWidget(m_fields->control(name), line, 1);
    }
    m_fields->control("txtAnno")->setFixedWidth(80);
    filters->setColumnStretch(1, 1);

    // The two ends of the period: day and month chosen from their lists, the year repeated.
    const auto period = [&](const QString& caption, const char* day, const char* month, QLabel* year) {
        auto* box = new QGroupBox(caption, card);
        auto* row = new QHBoxLayout(box);
        row->addWidget(m_fields->label(day));
        row->addWidget(m_fields->control(day));
        row->addSpacing(12);
        row->addWidget(m_fields->label(month));
        row->addWidget(m_fields->control(month));
        row->addSpacing(12);
        row->addWidget(year);
        row->addStretch();
        m_fields->control(month)->setMinimumWidth(130);
        return box;
    };

    QLabel* texts[] = {information(card, kInformation[0]), information(card, kInformation[1]),
                       information(card, kInformation[2])};
    // The least height of a window counts one line for each wrapped text: a window that opened
    // small (no window manager maximised it) squeezed the fields to make room for the further
    // lines. The card keeps a width, and each text the height of its lines at that width.
    card->setMinimumWidth(kCardWidth);
    for (QLabel* text : texts)
        text->setMinimumHeight(text->heightForWidth(kCardWidth - 2 * kCardMargin));

    auto* column = new QVBoxLayout(card);
    column->setContentsMargins(kCardMargin, kCardMargin, kCardMargin, kCardMargin);
    column->setSpacing(14);
    column->addWidget(texts[0]);
    column->addLayout(filters);
    column->addWidget(texts[1]);
    column->addWidget(texts[2]);
    column->addWidget(period(QStringLiteral(" Data inizio intervallo: "), "txtGiornoInizio", "txtMeseInizio",
                             m_lblAnnoInizio));
    column->addWidget(
        period(QStringLiteral(" Data fine intervallo: "), "txtGiornoFine", "txtMeseFine", m_lblAnnoFine));
    column->addWidget(m_lblAttendere);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnVisualizza);
    buttons->addWidget(btnEsci);
    column->addLayout(buttons);

    QToolButton* imgGuida = makeCommandButton(kGuida, nullptr, this, Qt::ToolButtonIconOnly);
    imgGuida->setIconSize(QSize(48, 48));
    imgGuida->setToolTip(QString::fromUtf8(kGuida.hint));
    imgGuida->setAccessibleDescription(QString::fromUtf8(kGuida.hint));

    auto* centre = new QHBoxLayout;
    centre->addStretch();
    centre->addWidget(card, 1);
    centre->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(imgGuida, 0, Qt::AlignLeft);
    layout->addStretch();
    layout->addLayout(centre);
    layout->addStretch(2);

    connect(m_btnVisualizza, &QPushButton::pressed, this, [this] {
        m_lblAttendere->show();
        m_lblAttendere->repaint();
    });
    connect(m_btnVisualizza, &QPushButton::clicked, this, &TfrmMenuRiepCosti::btnVisualizzaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(imgGuida, &QToolButton::clicked, this,
            [this] { showGuide(this, IncomeGuide::kTitle, IncomeGuide::kText); });
}

void TfrmMenuRiepCosti::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    m_fields->clear();
    m_fields->setText("txtAnno",
                      QStringLiteral("%1").arg(platform().today().year(), 4, 10, QLatin1Char('0')));
    m_lblAttendere->hide();
    m_fields->control("txtEsecutore")->setFocus();
}

void TfrmMenuRiepCosti::copyYear() {
    const QString year = Text::trimBlanks(m_fields->text("txtAnno"));
    m_lblAnnoInizio->setText(year);
    m_lblAnnoFine->setText(year);
}

void TfrmMenuRiepCosti::moveOn() {
    // Enter goes down the fields in table order, and from the last to "Visualizza riepilogo".
    const std::size_t count = std::size(kFields);
    for (std::size_t i = 0; i < count; ++i)
        if (m_fields->controlAt(i)->hasFocus()) {
            if (i + 1 < count)
                m_fields->controlAt(i + 1)->setFocus(Qt::TabFocusReason);
            else
                m_btnVisualizza->setFocus(Qt::TabFocusReason);
            return;
        }
}

void TfrmMenuRiepCosti::btnVisualizzaClick() {
    const IncomeSummary::Request request{m_fields->text("txtAnno"), m_fields->text("txtGiornoInizio"),
                                         m_fields->text("txtMeseInizio"), m_fields->text("txtGiornoFine"),
                                         m_fields->text("txtMeseFine")};
    const auto checked = IncomeSummary::check(request);
    if (const auto* problem = std::get_if<IncomeSummary::Problem>(&checked)) {
        m_lblAttendere->hide();
        platform().message(problem->notice ? Platform::Box::Notice : Platform::Box::Warning,
                           problem->message);
        if (problem->focus)
            m_fields->control(problem->focus)->setFocus();
        return;
    }
    const auto& period = std::get<IncomeSummary::Period>(checked);
    m_lblDataInizio->setText(period.startText);
    m_lblDataFine->setText(period.endText);
    m_lblFile->setText(TSchedaRicevuta::path(Text::trimBlanks(request.year)));

    TfrmRiepCosti result(this, m_lblFile->text(), m_fields->text("txtEsecutore"), m_fields->text("txtCCP"),
                         period);
    // Listed: the result shows what it read.
    m_lblAttendere->hide();
    result.exec();
}
