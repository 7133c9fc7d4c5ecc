#pragma once

#include "ReportBand.h"
#include "ReportElement.h"

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

// A page template: page size, orientation and margins in millimetres, elements placed on every
// page and bands that run over as many pages as their contents need. Printing code finds the
// named elements and fills them; ReportRenderer draws the result. Margins are where the
// printable area begins: a negative top or left margin moves everything up or to the left.
class ReportTemplate {
public:
    explicit ReportTemplate(QString name, QPageLayout::Orientation orientation = QPageLayout::Portrait,
                            QPageSize::PageSizeId size = QPageSize::A4);

    const QString& name() const { return m_name; }
    QPageSize::PageSizeId pageSize() const { return m_size; }
    QPageLayout::Orientation orientation() const { return m_orientation; }
    void setOrientation(QPageLayout::Orientation orientation) { m_orientation = orientation; }
    // left, top, right, bottom
    const QMarginsF& margins() const { return m_margins; }
    void setMargins(const QMarginsF& margins) { m_margins = margins; }
    void setTopLeftMargins(double top, double left);

    void add(const ReportElement& element) { m_elements.append(element); }
    void add(const ReportBand& band) { m_bands.append(band); }
    const QList<ReportElement>& elements() const { return m_elements; }
    const QList<ReportBand>& bands() const { return m_bands; }

    // The named element on the page or in a band; throws ReportError when the template has none.
    ReportElement& element(const QString& name);
    void setText(const QString& name, const QString& text);
    void setPicture(const QString& name, const QImage& picture);
    // A band grows or shrinks with the element it holds, keeping the room around it.
    void setHeight(const QString& name, double height);

private:
    ReportElement& find(const QString& name, ReportBand** band);

    QString m_name;
    QPageLayout::Orientation m_orientation;
    QPageSize::PageSizeId m_size;
    QMarginsF m_margins{10, 10, 10, 10};
    QList<ReportElement> m_elements;
    QList<ReportBand> m_bands;
};
