#include "ReportTemplate.h"

#include "ReportError.h"

ReportTemplate::ReportTemplate(QString name, QPageLayout::Orientation orientation, QPageSize::PageSizeId size)
    : m_name(std::move(name)), m_orientation(orientation), m_size(size) {}

void ReportTemplate::setTopLeftMargins(double top, double left) {
    m_margins.setTop(top);
    m_margins.setLeft(left);
}

ReportElement& ReportTemplate::find(const QString& name, ReportBand** band) {
    *band = nullptr;
    if (!name.isEmpty()) {
        for (ReportElement& e : m_elements)
            if (e.name == name)
                return e;
        for (ReportBand& b : m_bands)
            for (ReportElement& e : b.elements)
                if (e.name == name) {
                    *band = &b;
                    return e;
                }
    }
    throw ReportError("The report " + m_name.toStdString() + " has no object named " + name.toStdString());
}

ReportElement& ReportTemplate::element(const QString& name) {
    ReportBand* band;
    return find(name, &band);
}

void ReportTemplate::setText(const QString& name, const QString& text) {
    element(name).text = text;
}

void ReportTemplate::setPicture(const QString& name, const QImage& picture) {
    ReportElement& e = element(name);
    if (e.kind != ReportElement::Kind::Picture)
        throw ReportError("The object " + name.toStdString() + " holds no picture");
    e.picture = picture;
}

void ReportTemplate::setHeight(const QString& name, double height) {
    ReportBand* band;
    ReportElement& e = find(name, &band);
    const double growth = height - e.box.height();
    e.box.setHeight(height);
    if (band)
        band->height += growth;
}
