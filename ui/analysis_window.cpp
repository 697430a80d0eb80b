#include "analysis_window.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr QSize WindowSize(480, 240);
// Evaluations beyond this many centipawns, mates among them, are drawn at the edge: past it a
// game is decided, and the graph keeps its detail where the game is still open.
constexpr int EdgeCentipawns = 2000;
constexpr int GridCentipawns = 1000;
constexpr int MoveTicks = 10; // a move number under every tenth move
constexpr int DotRadius = 3;
const QMargins PlotMargins(44, 12, 12, 24);

} // namespace

AnalysisWindow::AnalysisWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle("Velmora - analysis");
    resize(WindowSize);
}

void AnalysisWindow::SetAnalysis(const GameAnalysis& analysis)
{
    analysis_ = analysis;
    update();
}

QRect AnalysisWindow::Plot() const { return rect().marginsRemoved(PlotMargins); }

QPointF AnalysisWindow::PointOf(size_t n) const
{
    const QRect plot = Plot();
    const size_t last = std::max<size_t>(analysis_.positions.size(), 2) - 1;
    const double value = std::clamp(analysis_.positions[n].score, -EdgeCentipawns, EdgeCentipawns);
    return QPointF(plot.left() + plot.width() * double(n) / double(last),
        plot.center().y() - plot.height() / 2.0 * value / EdgeCentipawns);
}

void AnalysisWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect plot = Plot();
    // The grid: the even line, the thousands, and a move number every tenth move.
    for (int cp = -EdgeCentipawns; cp <= EdgeCentipawns; cp += GridCentipawns) {
        const double y = plot.center().y() - plot.height() / 2.0 * cp / EdgeCentipawns;
        painter.setPen(cp == 0 ? Qt::darkGray : Qt::lightGray);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - 8, plot.left() - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
            (cp > 0 ? "+" : "") + QString::number(cp));
    }
    painter.setPen(Qt::darkGray);
    painter.drawText(plot.adjusted(4, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, "Sente ahead");
    painter.drawText(plot.adjusted(4, 0, 0, -2), Qt::AlignLeft | Qt::AlignBottom, "Gote ahead");
    if (analysis_.positions.empty())
        return;
    for (size_t n = 0; n < analysis_.positions.size(); n += MoveTicks) {
        const double x = PointOf(n).x();
        painter.setPen(Qt::lightGray);
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(x - 20, plot.bottom() + 4, 40, 16), Qt::AlignCenter, QString::number(n));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::blue, 1.5));
    for (size_t n = 1; n < analysis_.positions.size(); ++n)
        painter.drawLine(PointOf(n - 1), PointOf(n));
    painter.setPen(Qt::NoPen);
    for (size_t n = 0; n < analysis_.positions.size(); ++n) {
        const bool blunder = n > 0 && analysis_.IsBlunder(n);
        painter.setBrush(blunder ? Qt::red : Qt::blue);
        const double radius = blunder ? DotRadius + 1 : DotRadius - 1;
        painter.drawEllipse(PointOf(n), radius, radius);
    }
}

void AnalysisWindow::mousePressEvent(QMouseEvent* event)
{
    if (analysis_.positions.empty()
        || !Plot().adjusted(-DotRadius, 0, DotRadius, 0).contains(event->position().toPoint()))
        return;
    const double step = analysis_.positions.size() > 1
        ? Plot().width() / double(analysis_.positions.size() - 1)
        : 1.0;
    const double n = std::round((event->position().x() - Plot().left()) / step);
    emit PositionPicked(size_t(std::clamp(n, 0.0, double(analysis_.positions.size() - 1))));
}
