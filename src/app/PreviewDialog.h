#pragma once

#include "Dialog.h"

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QToolButton;

// The print preview window: the pages drawn by `paint`, as large as the screen allows and at a
// readable size, with printing, zoom (numbers in the Italian way, "38,5%"), page browsing, full
// screen and "Chiudi". Nothing in it can be edited.
class PreviewDialog : public Dialog {
    Q_OBJECT
public:
    PreviewDialog(QPrinter& printer, const std::function<void(QPrinter*)>& paint, QWidget* parent);

    QSize sizeHint() const override;

    // A zoom factor as the window shows it: 0.385 is "38,5%", 1 is "100%".
    static QString zoomText(qreal factor);
    // The factor of a zoom typed by the user, "150" or "37,5%"; nothing for what is not a zoom
    // between 1% and 1000%.
    static std::optional<qreal> zoomFactor(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void cmdStampaClick();
    void cmdSchermoInteroClick();
    void zoomTyped();
    void setZoom(qreal factor);
    void updateControls();

    QPrinter& m_printer;
    QPrintPreviewWidget* m_preview;
    QComboBox* m_cboZoom;
    QLabel* m_lblPagina;
    QToolButton* m_cmdPrima;
    QToolButton* m_cmdPrecedente;
    QToolButton* m_cmdSuccessiva;
    QToolButton* m_cmdUltima;
    bool m_opened = false;
};
