#pragma once

#include "app/Dialog.h"

#include <QImage>

class PhotoFrame;

// " Impostazione logo": chooses the logo of the receipts, puts back the built-in one or blanks it,
// and stores the choice as `Logo.bmp` on "Applica e chiudi". Nothing is written before; "Annulla"
// leaves the file as it was.
class TfrmLogo : public Dialog {
    Q_OBJECT
public:
    explicit TfrmLogo(QWidget* parent);

    // The picture shown, which "Applica e chiudi" stores.
    QImage picture() const { return m_picture; }

public Q_SLOTS:
    void btnSfogliaClick();
    void btnApplicaClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showPicture(const QImage& picture);

    PhotoFrame* m_imgLogo;
    QImage m_picture;
};
