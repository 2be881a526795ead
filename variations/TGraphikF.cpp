#include "variations/TGraphikF.h"

#include "common/DialogSeam.h"
#include "common/SafeFile.h"

#include <algorithm>
#include <QAction>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>
#include <QValueAxis>
#include <QVBoxLayout>

namespace velmora {

namespace {

QFont arial(int pixels) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

// Draws the panel into `device`, scaled to fit `target` and centred in it.
void renderPanel(QWidget* panel, QPaintDevice& device, const QRectF& target) {
    QPainter painter(&device);
    const double scale = std::min(target.width() / panel->width(), target.height() / panel->height());
    painter.translate(target.center() - QPointF(panel->width() * scale / 2, panel->height() * scale / 2));
    painter.scale(scale, scale);
    panel->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
}

} // namespace

TGraphikF::TGraphikF(ChartContent content, QWidget* parent)
    : QWidget(parent), m_content(std::move(content)), m_panel(new QWidget(this)),
      m_view(new QChartView(m_panel)), m_foot(new QLabel(m_panel)) {
    setWindowTitle(m_content.caption);
    setStatusTip(m_content.hint);
    setAutoFillBackground(true);
    m_panel->setObjectName(QStringLiteral("panel"));
    m_panel->setFixedSize(panelSize, panelSize);
    m_panel->setAutoFillBackground(true);
    QPalette white = m_panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_panel->setPalette(white);

    auto* bars = new QBarSet(QString());
    bars->setColor(m_content.colour);
    for (double value : m_content.values)
        *bars << value;
    auto* series = new QBarSeries;
    series->append(bars);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    // Eleven bars share the panel: short value marks in a small font keep them apart.
    series->setLabelsPrecision(3);
    bars->setLabelFont(arial(9));
    auto* chart = new QChart;
    chart->addSeries(series);
    // Adding the series turns the value labels white.
    bars->setLabelColor(Qt::black);
    chart->setTitle(m_content.title);
    chart->setTitleFont(arial(16));
    chart->legend()->hide();
    chart->setBackgroundBrush(Qt::white);
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* labels = new QBarCategoryAxis;
    labels->append(m_content.labels);
    labels->setTitleText(m_content.axisTitle);
    labels->setGridLineVisible(false);
    chart->addAxis(labels, Qt::AlignBottom);
    // The chart's theme sets the fonts of an axis when it is added.
    labels->setTitleFont(arial(13));
    labels->setLabelsFont(arial(10));
    labels->setTruncateLabels(false);
    series->attachAxis(labels);
    // The scale follows the values, with room for the labels beyond the longest bars; the axis itself is
    // not drawn.
    const auto [low, high] = std::minmax_element(m_content.values.begin(), m_content.values.end());
    const double bottom = std::min(0.0, *low);
    const double top = std::max(0.0, *high);
    const double room = std::max(top - bottom, 1e-9) * 0.12;
    auto* scale = new QValueAxis;
    scale->setRange(bottom < 0 ? bottom - room : 0.0, top + room);
    chart->addAxis(scale, Qt::AlignLeft);
    series->attachAxis(scale);
    scale->setVisible(false);
    m_view->setChart(chart);
    m_view->setRenderHint(QPainter::Antialiasing);

    m_foot->setObjectName(QStringLiteral("foot"));
    m_foot->setText(m_content.foot);
    m_foot->setFont(arial(12));
    m_foot->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_foot);

    auto* copy = new QAction(QStringLiteral("&Kopieren"), this);
    connect(copy, &QAction::triggered, this, &TGraphikF::copyPicture);
    auto* save = new QAction(QStringLiteral("Als &Bild speichern..."), this);
    connect(save, &QAction::triggered, this, &TGraphikF::savePicture);
    m_view->addActions({copy, save});
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TGraphikF::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_panel->move(width() / 2 - panelSize / 2, height() / 2 - panelSize / 2);
}

void TGraphikF::PrintChart() {
    QPrinter printer;
    printer.setDocName(windowTitle());
    if (!dialogs().print(this, printer))
        return;
    renderPanel(m_panel, printer, printer.pageRect(QPrinter::DevicePixel));
}

QImage TGraphikF::picture() const {
    return m_panel->grab().toImage();
}

void TGraphikF::copyPicture() {
    QApplication::clipboard()->setImage(picture());
}

void TGraphikF::savePicture() {
    const QString png = QStringLiteral("PNG-Bild (*.png)");
    const QString svg = QStringLiteral("SVG-Grafik (*.svg)");
    QString filter = png;
    QString path =
        dialogs().saveFile(this, QStringLiteral("Als Bild speichern"), QStringLiteral("Diagramm.png"),
                           png + QStringLiteral(";;") + svg, &filter);
    if (path.isEmpty())
        return;
    // A name typed without extension gets the chosen entry's.
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        path += filter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    writePicture(path);
}

TGraphikF::PictureFormat TGraphikF::pictureFormatOf(const QString& path) {
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return PictureFormat::Svg;
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return PictureFormat::Pdf;
    return PictureFormat::Png;
}

QByteArray TGraphikF::pictureBytes(PictureFormat format) const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
    case PictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(m_panel->size());
        svg.setViewBox(m_panel->rect());
        svg.setTitle(windowTitle());
        renderPanel(m_panel, svg, m_panel->rect());
        break;
    }
    case PictureFormat::Pdf: {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(windowTitle());
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        renderPanel(m_panel, pdf, QRectF(QPointF(), QSizeF(pdf.width(), pdf.height())));
        break;
    }
    case PictureFormat::Png:
        picture().save(&buffer, "PNG");
        break;
    }
    buffer.close();
    return buffer.data();
}

bool TGraphikF::writePicture(const QString& path) {
    try {
        writeFileSafely(path, pictureBytes(pictureFormatOf(path)));
    } catch (const WriteError& error) {
        dialogs().message(this, DialogSeam::Icon::Error, QStringLiteral("Velmora"), error.message());
        return false;
    }
    return true;
}

} // namespace velmora
