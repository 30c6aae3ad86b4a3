#pragma once
// ApplyAutoScale: when the AutoScale setting is on, scales a window laid out for an
// 800-pixel-wide screen at 96 pixels per inch to the real screen: every position, size and
// font of the window and its controls is multiplied by M / D (M = screen width x 96,
// D = logical DPI x 800), each result rounded; so are the sizes controls draw at on their
// own: table rows, toolbar icons, radio circles and check boxes. Does nothing when AutoScale
// is off.
// Called from the show handler of every window but the welcome screen. It lives with the
// document windows: the layers below them (base, the storage core, risk) link Qt Core alone.

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

void ApplyAutoScale(QWidget* window);
// The same rule with an explicit factor, for tests and for the options dialog.
void ScaleWidgetTree(QWidget* window, int m, int d);

// What ScaleWidgetTree changes in a window and its controls, as it is when taken: restore()
// gives every one of them back exactly, with no rounding, so a scaling can be taken back
// (the options dialog's "Anuluj"). Controls deleted meanwhile are passed over.
class ScaleSnapshot {
public:
    explicit ScaleSnapshot(QWidget* window);
    ~ScaleSnapshot();

    void restore() const;

private:
    friend void ScaleWidgetTree(QWidget* window, int m, int d);

    struct WidgetState {
        QPointer<QWidget> widget;
        QRect geometry;
        QSize minimum;
        QSize maximum;
        bool ownFont;
        QFont font;
        int rowHeight;     // a table's default row height; 0 for other controls
        QSize iconSize;    // a toolbar's icon size; invalid for other controls
        QString styleSheet;
    };
    static WidgetState stateOf(QWidget* widget);

    WidgetState window_;
    std::vector<WidgetState> controls_;   // in collecting order, parents before children
};

// The factor M / D of the screen `window` is on.
struct ScaleRatio {
    int m;
    int d;
};
ScaleRatio ScreenScaleRatio(const QWidget* window);
