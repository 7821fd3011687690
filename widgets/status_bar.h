#pragma once

#include <QStatusBar>
#include <QString>

#include <array>

namespace lernwerk {

// The status bar `anzeige` with three fixed-width panels: the phase of the
// round, its result line and the donation link.
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPanelCount = 3;
    static constexpr std::array<int, kPanelCount> kPanelWidths{120, 300, 180};
    static constexpr int kPhasePanel = 0;
    static constexpr int kResultPanel = 1;
    static constexpr int kLinkPanel = 2;
    static constexpr int kHeight = 17;

    explicit StatusBar(QWidget* parent);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    // Where a panel lies in the bar.
    QRect panelRect(int panel) const;
    // The panel under x in the bar's coordinates, or -1 beyond the last one.
    static int panelAt(int x);
    // The hand shows strictly between these bounds: over the link panel.
    static bool showsHandAt(int x)
    {
        const int linkLeft = kPanelWidths[0] + kPanelWidths[1];
        return x > linkLeft && x < linkLeft + kPanelWidths[kLinkPanel];
    }

signals:
    // A click: the left button pressed and released over the same panel.
    void clicked(int x);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static constexpr int kNotPressed = -2;  // -1 is the room right of the last panel

    // The panel under a point of the bar, or kNotPressed when it lies outside the bar.
    int panelUnder(QPoint point) const;

    std::array<QString, kPanelCount> texts_;
    int pressedPanel_ = kNotPressed;
};

}  // namespace lernwerk
