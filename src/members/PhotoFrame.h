#pragma once

#include <QFrame>
#include <QImage>

#include <optional>

// A picture on screen, scaled to fit the frame with its proportions kept and centred; with no
// picture of its own it shows the blank picture. It also offers the two file choosers that
// load a picture into it and export it as JPEG.
class PhotoFrame : public QFrame {
    Q_OBJECT
public:
    // The member card's photo frame, portrait.
    static constexpr QSize kCardSize{307, 394};

    explicit PhotoFrame(QSize size, QWidget* parent = nullptr);

    // A null picture shows the blank picture.
    void setImage(const QImage& picture);
    void showBlank();
    // What the frame shows: its picture, or the blank picture.
    QImage image() const { return m_image; }

    // Asks for a JPEG or bitmap file and reads it: nothing when the user cancels, a null picture
    // when the file cannot be read.
    static std::optional<QImage> chooseFile();
    // Asks for a JPEG or bitmap file and shows it; a file that cannot be read shows the blank
    // picture. Nothing changes when the user cancels.
    void loadChosenFile();
    // Asks where to write the picture shown and writes it as JPEG; a failure leaves the file
    // chosen as it was and warns.
    void saveToChosenFile() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};
