#pragma once

#include "review/game_analysis.h"

#include <QWidget>

// The analysis of a game as a graph: the evaluation from Sente's side after each move, Sente's
// advantage upwards, clamped at the edges, where mates are drawn; blunders are red dots. A click
// picks the position nearest to it.
class AnalysisWindow : public QWidget {
    Q_OBJECT

public:
    explicit AnalysisWindow(QWidget* parent);

    void SetAnalysis(const GameAnalysis& analysis);

signals:
    // The position after move n, 0 the start.
    void PositionPicked(size_t n);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect Plot() const;
    QPointF PointOf(size_t n) const;

    GameAnalysis analysis_;
};
