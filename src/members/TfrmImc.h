#pragma once

#include "BodyMassIndex.h"
#include "app/Dialog.h"

#include <optional>

class QLabel;
class QLineEdit;

// Computes the body mass index from a weight and a height and names the weight class for a
// woman or a man; it reads nothing else from the member and writes nothing back.
class TfrmImc : public Dialog {
    Q_OBJECT
public:
    explicit TfrmImc(QWidget* parent = nullptr);
    void setValues(const QString& peso, const QString& statura);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void calcola(BodyMassIndex::Sex sex);
    // The field's number, or nothing after its warning with the focus put back in the field.
    std::optional<double> measure(QLineEdit* field, const QString& missing, const QString& zero);
    void clearResult();
    void btnAnnullaClick();

    QLineEdit* m_txtPeso;
    QLineEdit* m_txtStatura;
    QLineEdit* m_txtImc;
    QLabel* m_repDonna;
    QLabel* m_repUomo;
};
