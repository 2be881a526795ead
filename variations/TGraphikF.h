#pragma once

#include "variations/ChartContent.h"

#include <QWidget>

class QChartView;
class QLabel;

namespace velmora {

/// "Graphische Darstellung": a bar chart of the eleven rows of a series, a picture of them at the moment
/// it opens. Its panel keeps its size in the middle of the window; its pop-up menu copies the chart as a
/// picture and saves it as PNG or SVG.
class TGraphikF : public QWidget {
    Q_OBJECT
public:
    static constexpr int panelSize = 465;

    explicit TGraphikF(ChartContent content, QWidget* parent = nullptr);

    const ChartContent& content() const { return m_content; }
    QWidget* panel() const { return m_panel; }

    /// The print dialog, then the chart on one page.
    void PrintChart();
    /// The panel as a picture.
    QImage picture() const;
    void copyPicture();
    /// Asks for a file and writes the chart as PNG or, for a name ending in ".svg", as SVG.
    void savePicture();
    enum class PictureFormat { Png, Svg, Pdf };
    /// The format a file name's extension asks for: ".svg", ".pdf", else PNG.
    static PictureFormat pictureFormatOf(const QString& path);
    /// The chart as a file of `format`.
    QByteArray pictureBytes(PictureFormat format) const;
    /// Writes the chart to `path` in the format of its extension; false when writing failed (the user
    /// has been told).
    bool writePicture(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    ChartContent m_content;
    QWidget* m_panel;
    QChartView* m_view;
    QLabel* m_foot;
};

} // namespace velmora
