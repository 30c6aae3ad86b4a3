#include "documents/auto_scale.h"

#include "base/program_settings.h"

#include <QCheckBox>
#include <QFont>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QWidget>

namespace {

// value * m / d rounded to the nearest integer, halves away from zero. REQUIRES: d > 0.
int scaled(int value, int m, int d)
{
    const qint64 product = qint64(value) * m;
    const qint64 magnitude = (2 * qAbs(product) + d) / (2 * qint64(d));
    return int(product < 0 ? -magnitude : magnitude);
}

QSize scaled(const QSize& size, int m, int d)
{
    return {scaled(size.width(), m, d), scaled(size.height(), m, d)};
}

QFont scaled(QFont font, int m, int d)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(scaled(font.pixelSize(), m, d));
    else
        font.setPointSize(scaled(font.pointSize(), m, d));
    return font;
}

// Size limits that were never set (0 and QWIDGETSIZE_MAX) stay unset. The limit that moves
// away from the other is set first, so the minimum never exceeds the maximum on the way.
void scaleLimits(QWidget* widget, const QSize& minimum, const QSize& maximum, int m, int d)
{
    const auto limit = [m, d](int value, int unset) { return value == unset ? unset : scaled(value, m, d); };
    const QSize min(limit(minimum.width(), 0), limit(minimum.height(), 0));
    const QSize max(limit(maximum.width(), QWIDGETSIZE_MAX), limit(maximum.height(), QWIDGETSIZE_MAX));
    if (m >= d) {
        widget->setMaximumSize(max);
        widget->setMinimumSize(min);
    } else {
        widget->setMinimumSize(min);
        widget->setMaximumSize(max);
    }
}

// The controls of a window: every widget below it except other windows (dialogs, menus)
// and MDI document windows, which scale themselves when they are shown.
void collectControls(const QWidget* parent, QList<QWidget*>& controls)
{
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow() || qobject_cast<QMdiSubWindow*>(widget))
            continue;
        controls.append(widget);
        collectControls(widget, controls);
    }
}

// What a control draws at a size of its own rather than at its geometry: the rows of a
// table (and so its title row), the icons of a toolbar, the circle of a radio button and
// the box of a check box.
void scaleDrawnSizes(QWidget* control, int m, int d)
{
    if (auto* table = qobject_cast<QTableView*>(control)) {
        QHeaderView* rows = table->verticalHeader();
        rows->setDefaultSectionSize(scaled(rows->defaultSectionSize(), m, d));
    } else if (auto* toolBar = qobject_cast<QToolBar*>(control)) {
        toolBar->setIconSize(scaled(toolBar->iconSize(), m, d));
    } else if (qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control)) {
        const bool radio = qobject_cast<QRadioButton*>(control);
        const int size = control->style()->pixelMetric(
            radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, control);
        control->setStyleSheet(QStringLiteral("%1::indicator { width: %2px; height: %2px; }")
                                   .arg(QLatin1String(radio ? "QRadioButton" : "QCheckBox"))
                                   .arg(scaled(size, m, d)));
    }
}

} // namespace

void ScaleWidgetTree(QWidget* window, int m, int d)
{
    // Everything is read before anything changes: resizing a parent may move its children
    // through a layout, and a child without a font of its own inherits the one its parent
    // has just been given, so only fonts set explicitly are scaled (each once).
    const ScaleSnapshot before(window);
    const QSize windowSize = window->size();
    window->setFont(scaled(window->font(), m, d));
    scaleLimits(window, window->minimumSize(), window->maximumSize(), m, d);
    // Children before their parents: a compound control (a scroll area's viewport, a spin
    // box's editor) places its insides itself when it is resized after them.
    for (auto o = before.controls_.crbegin(); o != before.controls_.crend(); ++o) {
        if (o->ownFont)
            o->widget->setFont(scaled(o->font, m, d));
        scaleLimits(o->widget, o->minimum, o->maximum, m, d);
        o->widget->setGeometry(scaled(o->geometry.x(), m, d), scaled(o->geometry.y(), m, d),
                               scaled(o->geometry.width(), m, d), scaled(o->geometry.height(), m, d));
        scaleDrawnSizes(o->widget, m, d);
    }
    // The window keeps its place on the screen; a maximised window keeps the screen's size.
    if (!(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        window->resize(scaled(windowSize, m, d));
}

ScaleSnapshot::ScaleSnapshot(QWidget* window)
    : window_(stateOf(window))
{
    QList<QWidget*> controls;
    collectControls(window, controls);
    for (QWidget* control : controls)
        controls_.push_back(stateOf(control));
}

ScaleSnapshot::~ScaleSnapshot() = default;

ScaleSnapshot::WidgetState ScaleSnapshot::stateOf(QWidget* widget)
{
    WidgetState state{widget, widget->geometry(), widget->minimumSize(), widget->maximumSize(),
                      widget->testAttribute(Qt::WA_SetFont), widget->font(), 0, {}, widget->styleSheet()};
    if (const auto* table = qobject_cast<const QTableView*>(widget))
        state.rowHeight = table->verticalHeader()->defaultSectionSize();
    else if (const auto* toolBar = qobject_cast<const QToolBar*>(widget))
        state.iconSize = toolBar->iconSize();
    return state;
}

void ScaleSnapshot::restore() const
{
    // The window's font first, which the controls without a font of their own inherit; a
    // default QFont gives an inherited font back.
    const auto restoreOne = [](const WidgetState& state) {
        QWidget* widget = state.widget;
        if (!widget)
            return;
        if (state.ownFont || widget->testAttribute(Qt::WA_SetFont))
            widget->setFont(state.ownFont ? state.font : QFont());
        widget->setMinimumSize(0, 0);
        widget->setMaximumSize(state.maximum);
        widget->setMinimumSize(state.minimum);
        if (auto* table = qobject_cast<QTableView*>(widget); table && state.rowHeight > 0)
            table->verticalHeader()->setDefaultSectionSize(state.rowHeight);
        else if (auto* toolBar = qobject_cast<QToolBar*>(widget); toolBar && state.iconSize.isValid())
            toolBar->setIconSize(state.iconSize);
        if (widget->styleSheet() != state.styleSheet)
            widget->setStyleSheet(state.styleSheet);
    };
    restoreOne(window_);
    for (auto o = controls_.crbegin(); o != controls_.crend(); ++o) {
        restoreOne(*o);
        if (o->widget)
            o->widget->setGeometry(o->geometry);
    }
    QWidget* window = window_.widget;
    if (window && !(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        window->resize(window_.geometry.size());
}

ScaleRatio ScreenScaleRatio(const QWidget* window)
{
    const QScreen* screen = window->screen();
    return {screen->geometry().width() * 96, qRound(screen->logicalDotsPerInch()) * 800};
}

void ApplyAutoScale(QWidget* window)
{
    if (!programSettings().AutoScale)
        return;
    const ScaleRatio ratio = ScreenScaleRatio(window);
    ScaleWidgetTree(window, ratio.m, ratio.d);
}
