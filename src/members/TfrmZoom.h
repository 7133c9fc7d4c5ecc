#pragma once

#include <QDialog>

class PhotoFrame;

// The member's photo as large as the screen allows; a click anywhere closes it.
class TfrmZoom : public QDialog {
    Q_OBJECT
public:
    TfrmZoom(const QImage& picture, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    PhotoFrame* m_picture;
};
