#pragma once
// RiskOverviewView: the picture of a RiskOverview, painted with QPainter: the hazards at each
// of the five levels as a bar chart with the hazards not rated, the S x P grid of the
// two-factor methods or the R values of the others on a logarithmic scale with the level
// limits, the unacceptable hazards with their sources and preventive actions, and the
// checklist's RBHP index. When hazards have residual ratings, the bars of the levels after
// the measures stand beside the current ones and each unacceptable hazard says the risk left
// after its measures, in red while it stays unacceptable. Every level colour carries the
// level's number, so the picture also reads in greyscale print.
//
// The picture is a column of blocks laid out for a width. The widget shows it whole at its
// own width (its height follows the width, for the scroll area around it); the same blocks
// are painted into an image or onto A4 pages, a page break falling only between blocks.
// The widget keeps the column of the last width it was asked about until the overview, the
// width or the font changes, answers its size queries from it and paints only the blocks in
// view, so a list of thousands of unacceptable hazards costs one layout per change.

#include "model/risk_overview.h"

#include <QImage>
#include <QWidget>
#include <functional>

class QPaintDevice;

class RiskOverviewView : public QWidget {
    Q_OBJECT
public:
    explicit RiskOverviewView(QWidget* parent = nullptr);

    // Shows `overview` from now on.
    void setOverview(const RiskOverview& overview);
    // The overview being painted.
    const RiskOverview& overview() const { return overview_; }

    // The picture at the widget's width on white, at twice the pixel density for print, under
    // the lines of `heading`.
    QImage picture(const QStringList& heading = {}) const;
    // The picture on A4 pages under the lines of `heading`, as the bytes of a PDF file; empty
    // when it cannot be made.
    QByteArray pdf(const QStringList& heading = {}) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // One part of the picture: its height at the width it was laid out for and how it paints
    // itself, from its top-left corner at (0, 0); `visible` is the part of the block that
    // needs painting, in the same coordinates.
    struct Block {
        int height;
        std::function<void(QPainter&, const QRect& visible)> paint;
    };
    // The blocks for a column `width` wide, measured with the fonts as `device` shows them.
    QList<Block> blocks(int width, const QPaintDevice* device) const;
    // The widget's own blocks for a picture `width` wide, laid out again only when the width
    // differs from the kept one or the kept ones were dropped.
    const QList<Block>& shownBlocks(int width) const;
    // The height of the picture as it is laid out now, or at the widget's width when it is
    // not laid out: the size hints never lay it out for a width of their own.
    int currentHeight() const;
    // The height of the whole picture of `blocks`, margins included.
    static int pictureHeight(const QList<Block>& blocks);
    // Paints the blocks that reach into `visible` one under the other inside the margins
    // of the picture.
    static void paintPicture(QPainter& painter, const QList<Block>& blocks, const QRect& visible);

    void addTitle(QList<Block>& out, int width, const QPaintDevice* device) const;
    void addLevelBars(QList<Block>& out, int width, const QPaintDevice* device) const;
    void addGrid(QList<Block>& out, int width, const QPaintDevice* device) const;
    void addRScale(QList<Block>& out, int width, const QPaintDevice* device) const;
    void addUnacceptable(QList<Block>& out, int width, const QPaintDevice* device) const;
    void addChecklist(QList<Block>& out, int width, const QPaintDevice* device) const;

    QFont headingFont() const;
    // A heading line and, under it, wrapped lines of ordinary text.
    Block textBlock(const QString& heading, const QStringList& lines, int width, const QPaintDevice* device) const;

    RiskOverview overview_;
    // The kept layout of the widget: the picture width it is for (-1: none) and its blocks.
    mutable int shownWidth_ = -1;
    mutable QList<Block> shown_;
};
