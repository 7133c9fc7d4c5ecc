#include "TfrmWebCam.h"

#include "PhotoFrame.h"
#include "app/Platform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr QSize kViewSize{366, 274};

PhotoFrame* makeView(const char* name, const char* accessibleName, QWidget* parent) {
    auto* view = new PhotoFrame(kViewSize, parent);
    view->setObjectName(QLatin1String(name));
    view->setAccessibleName(QString::fromUtf8(accessibleName));
    return view;
}

} // namespace

TfrmWebCam::TfrmWebCam(PhotoFrame* target, QWidget* parent)
    : Dialog(parent, QStringLiteral(" Cattura foto con webcam")), m_target(target),
      m_camera(platform().camera()) {
    setObjectName(QStringLiteral("frmWebCam"));
    m_camera->setObjectName(QStringLiteral("camCamera"));
    m_lblMemory = new QLabel(this);
    m_lblMemory->setObjectName(QStringLiteral("lblMemory"));
    m_lblMemory->hide();

    m_imgCamera = makeView("imgCamera", "Immagine della webcam", this);
    m_imgTarget = makeView("imgTarget", "Foto catturata", this);
    connect(m_camera.get(), &CameraSource::frameReady, m_imgCamera, &PhotoFrame::setImage);

    QPushButton* accendi = dialogButton(this, "btnAccendi", QStringLiteral("Accendi webcam"), "camera-on");
    QPushButton* spegni = dialogButton(this, "btnSpegni", QStringLiteral("Spegni webcam"), "camera-off");
    QPushButton* cattura = dialogButton(this, "btnCattura", QStringLiteral("Cattura foto"), "camera-photo");
    QPushButton* salva =
        dialogButton(this, "btnSalvaFotogramma", QStringLiteral("Salva foto su disco"), "document-save-as");
    QPushButton* importa =
        dialogButton(this, "btnImportaFoto", QStringLiteral("Importa foto in scheda"), "document-import");
    QPushButton* chiudi = dialogButton(this, "btnClose", QStringLiteral("Annulla"), "dialog-cancel");
    connect(accendi, &QPushButton::clicked, this, &TfrmWebCam::btnAccendiClick);
    connect(spegni, &QPushButton::clicked, m_camera.get(), &CameraSource::stop);
    connect(cattura, &QPushButton::clicked, this, [this] { m_imgTarget->setImage(m_imgCamera->image()); });
    connect(salva, &QPushButton::clicked, m_imgTarget, &PhotoFrame::saveToChosenFile);
    connect(importa, &QPushButton::clicked, this, &TfrmWebCam::btnImportaFotoClick);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_imgCamera, 0, 0);
    layout->addWidget(m_imgTarget, 0, 1);
    auto* cameraButtons = new QHBoxLayout;
    cameraButtons->addWidget(accendi);
    cameraButtons->addWidget(spegni);
    cameraButtons->addWidget(cattura);
    layout->addLayout(cameraButtons, 1, 0);
    auto* pictureButtons = new QHBoxLayout;
    pictureButtons->addWidget(salva);
    pictureButtons->addWidget(importa);
    pictureButtons->addWidget(chiudi);
    layout->addLayout(pictureButtons, 1, 1);
}

TfrmWebCam::~TfrmWebCam() = default;

void TfrmWebCam::done(int result) {
    m_camera->stop();
    Dialog::done(result);
}

void TfrmWebCam::setModeKey(const QString& key) {
    m_lblMemory->setText(key);
}

void TfrmWebCam::btnAccendiClick() {
    if (!m_camera->start())
        platform().message(Platform::Box::Warning,
                           QStringLiteral("Attenzione: nessuna webcam rilevata.\r\n\r\n"
                                          "Collegare una webcam al computer e riprovare."));
}

void TfrmWebCam::btnImportaFotoClick() {
    m_camera->stop();
    if (!m_target)
        return;
    m_target->setImage(m_imgTarget->image());
    accept();
}
