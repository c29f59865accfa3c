#include "window_callouts.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

#include "controls.h"
#include "main_window_layout.h"

namespace quillday {

namespace {

// The groups the guide explains, in the order of their numbers (the first
// is 1). A block lists objectName patterns separated by blanks,
// "optFirstDateIs*" standing for every name that begins so; it is outlined
// as one rectangle (GroupBlocks), and the blocks of a group are joined
// where nothing of another group lies between them (GroupOutlines).
struct CalloutGroup {
    std::array<std::string_view, 2> blocks;
};

// clang-format off
constexpr CalloutGroup kGroups[] = {
    {{"lblDateFormat lblDateSeparator lblThousandsSeparator optDateFormatIs* optSeparatorIs* optThousSep*"}},
    {{"lblFirstDate cmdToday(0) txbFirstDate VScroll(0)", "lblThisIsA(0) optFirstDateIs*"}},
    {{"lblDateDifference txbDateDiffDays lblDayOrDays"}},
    {{"lblSecondDate cmdToday(1) txbSecondDate VScroll(1)", "lblThisIsA(1) optSecondDateIs*"}},
    {{"lblClear cmdClear*", "cmdMoveSecondDateToFirst"}},
    {{"lblTodaysDate", "lblWeekFromToday"}},
    {{"cmdCompute"}},
    {{"txbOutput", "cmdCopyToClipboard"}},
    {{"cboLanguage cmdHelp cmdCalendars cmdCredits", "cmdQuit"}},
    {{"lblVarnholtWorks", "lblOnlineDocumentation"}},
};
// clang-format on

const QColor kCalloutColour(150, 0, 24);  // dark red, which stands out on the cyan window
const QColor kNumberColour(Qt::white);
constexpr int kOutlineWidth = 2;
constexpr int kOutlinePadding = 3;     // between what the controls show and their outline
constexpr int kOutlineSeparation = 1;  // kept free between two outlines in a narrow gap
constexpr qreal kOutlineCornerRadius = 5;
constexpr int kBadgeDiameter = 22;
constexpr int kBadgeRadius = kBadgeDiameter / 2;
constexpr int kBadgeGap = 2;  // kept free between two badges
constexpr int kNumberPixelSize = 13;
// A pixel of a control hidden by a badge weighs more than any distance of
// the badge from its corner.
constexpr qint64 kHiddenPixelCost = 100000;
// Along the top edge a badge reads as the outline's; down the left edge, as
// soon as it leaves the corner, it is taken for a mark of the row it sits by.
constexpr int kDownwardCost = 3;

// What a control shows, in the window's coordinates: the lines of a label
// and an option button's dot and caption, whose design rectangles reach far
// beyond them into the neighbouring groups; all of any other control.
struct ShownControl {
    std::string_view name;
    std::vector<QRect> pieces;
    int group = -1;  // index into kGroups, -1 for none
};

QRect Bounds(const std::vector<QRect>& rects) {
    QRect bounds;
    for (const QRect& rect : rects) {
        bounds |= rect;
    }
    return bounds;
}

QRect Grown(const QRect& rect, int by) {
    return rect.adjusted(-by, -by, by, by);
}

// The lines of the label's text as it lays them out, in its coordinates.
std::vector<QRect> LabelLines(const QLabel& label) {
    const QRect area = label.contentsRect();
    QString text = label.text();
    QTextLayout layout(text.replace('\n', QChar::LineSeparator), label.font());
    QTextOption option(label.alignment());
    option.setWrapMode(label.wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    std::vector<QRect> lines;
    qreal top = area.top();
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        line.setPosition(QPointF(area.left(), top));
        top += line.height();
        const QRect shown = line.naturalTextRect().toAlignedRect() & area;
        if (!shown.isEmpty()) {
            lines.push_back(shown);
        }
    }
    layout.endLayout();
    return lines;
}

// What the control shows (ShownControl), in the window's coordinates.
std::vector<QRect> ShownPieces(const QWidget& window, const QWidget& control) {
    std::vector<QRect> pieces{control.rect()};
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        pieces = LabelLines(*label);
    } else if (const auto* option = qobject_cast<const QRadioButton*>(&control)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        const QStyle* drawing = option->style();
        pieces = {drawing->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option) |
                  drawing->subElementRect(QStyle::SE_RadioButtonFocusRect, &style, option)};
    }
    const QPoint offset = control.mapTo(&window, QPoint(0, 0));
    for (QRect& piece : pieces) {
        piece = piece.translated(offset) & window.rect();
    }
    return pieces;
}

// Every control of the design the window shows, containers left out.
std::vector<ShownControl> ShownControls(const QWidget& window) {
    std::vector<ShownControl> controls;
    for (const ControlDesign& design : MainWindowControls()) {
        const auto* control = FindControl<QWidget>(window, design.name);
        if (design.kind != ControlKind::Frame && control != nullptr && control->isVisible()) {
            controls.push_back({design.name, ShownPieces(window, *control)});
        }
    }
    return controls;
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const size_t end = std::min(text.find(' '), text.size());
        if (end > 0) {
            words.push_back(text.substr(0, end));
        }
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return words;
}

bool Matches(std::string_view pattern, std::string_view name) {
    return pattern.ends_with('*') ? name.starts_with(pattern.substr(0, pattern.size() - 1))
                                  : name == pattern;
}

// The rectangles a block of a group is outlined around: one around its
// controls, or the pieces of its only control, so that the outline of a
// label steps with its lines and keeps off what its longest line does not
// reach.
using Block = std::vector<QRect>;

// Fills in the group's blocks and marks its controls with the group; gives
// the first pattern that matches no control.
std::optional<QString> GroupBlocks(int group, std::vector<ShownControl>& controls,
                                   std::vector<Block>& blocks) {
    for (const std::string_view patterns : kGroups[group].blocks) {
        std::vector<const ShownControl*> members;
        for (const std::string_view pattern : Words(patterns)) {
            const size_t before = members.size();
            for (ShownControl& control : controls) {
                if (Matches(pattern, control.name)) {
                    control.group = group;
                    members.push_back(&control);
                }
            }
            if (members.size() == before) {
                return QString::fromUtf8(pattern.data(), static_cast<qsizetype>(pattern.size()));
            }
        }
        Block block;
        for (const ShownControl* member : members) {
            block.insert(block.end(), member->pieces.begin(), member->pieces.end());
        }
        if (members.size() > 1 && !block.empty()) {
            block = {Bounds(block)};
        }
        if (!block.empty()) {
            blocks.push_back(block);
        }
    }
    return std::nullopt;
}

// The free rows or columns between the piece's side and the nearest piece of
// another group or of no group that faces it; kNoNeighbour when none does.
constexpr int kNoNeighbour = std::numeric_limits<int>::max();
enum class Side { Top, Bottom, Left, Right };

int Room(const QRect& piece, Side side, int group, const std::vector<ShownControl>& controls) {
    // Corners count too: the outlines' strokes reach round them.
    const QRect reach = Grown(piece, kOutlinePadding + kOutlineWidth);
    int room = kNoNeighbour;
    for (const ShownControl& control : controls) {
        if (control.group == group) {
            continue;
        }
        for (const QRect& other : control.pieces) {
            const bool acrossX = other.right() >= reach.left() && other.left() <= reach.right();
            const bool acrossY = other.bottom() >= reach.top() && other.top() <= reach.bottom();
            int gap = kNoNeighbour;
            if (side == Side::Top && acrossX && other.bottom() < piece.top()) {
                gap = piece.top() - other.bottom() - 1;
            } else if (side == Side::Bottom && acrossX && other.top() > piece.bottom()) {
                gap = other.top() - piece.bottom() - 1;
            } else if (side == Side::Left && acrossY && other.right() < piece.left()) {
                gap = piece.left() - other.right() - 1;
            } else if (side == Side::Right && acrossY && other.left() > piece.right()) {
                gap = other.left() - piece.right() - 1;
            }
            room = std::min(room, gap);
        }
    }
    return room;
}

// The piece with room for its outline on every side: kOutlinePadding where
// there is space, less where a neighbour is near, so that two outlines in a
// narrow gap share it and keep kOutlineSeparation apart (as long as the gap
// allows that at all).
QRect Padded(const QRect& piece, int group, const std::vector<ShownControl>& controls) {
    const auto padding = [&](Side side) {
        const int room = Room(piece, side, group, controls);
        if (room == kNoNeighbour) {
            return kOutlinePadding;
        }
        return std::clamp((room - kOutlineWidth - kOutlineSeparation) / 2, 0, kOutlinePadding);
    };
    return piece.adjusted(-padding(Side::Left), -padding(Side::Top), padding(Side::Right),
                          padding(Side::Bottom));
}

// One outline: the rectangles it joins, and the bounds of its first block,
// at whose top left corner its badge belongs.
struct Outline {
    std::vector<QRect> parts;
    QRect anchor;
    int number;
};

// The strip that joins two rectangles across the gap between them, where
// they face each other; empty for rectangles that overlap or face each
// other nowhere.
QRect Bridge(const QRect& a, const QRect& b) {
    const int left = std::max(a.left(), b.left());
    const int right = std::min(a.right(), b.right());
    const int top = std::max(a.top(), b.top());
    const int bottom = std::min(a.bottom(), b.bottom());
    if (left <= right && top > bottom) {
        return QRect(QPoint(left, bottom), QPoint(right, top));
    }
    if (top <= bottom && left > right) {
        return QRect(QPoint(right, top), QPoint(left, bottom));
    }
    return {};
}

// Whether the rectangle keeps clear of what the other groups' controls
// show and of the outlines around them.
bool ClearOfOtherGroups(const QRect& rect, int group, const std::vector<ShownControl>& controls) {
    const QRect reach = Grown(rect, kOutlinePadding + kOutlineWidth);
    return std::none_of(controls.begin(), controls.end(), [&](const ShownControl& control) {
        return control.group >= 0 && control.group != group &&
               std::any_of(control.pieces.begin(), control.pieces.end(),
                           [&](const QRect& piece) { return reach.intersects(piece); });
    });
}

// The group's outlines: a block that overlaps the outline before it, or
// faces it across a gap holding nothing of another group, joins it; one
// apart (Second -> First, far from the Clear buttons) gets an outline and a
// badge of its own, so that no outline takes in another group's controls.
std::vector<Outline> GroupOutlines(int group, const std::vector<Block>& blocks,
                                   const std::vector<ShownControl>& controls) {
    std::vector<Outline> outlines;
    for (const Block& block : blocks) {
        std::vector<QRect> padded;
        for (const QRect& piece : block) {
            padded.push_back(Padded(piece, group, controls));
        }
        const QRect bounds = Bounds(padded);
        if (!outlines.empty()) {
            Outline& last = outlines.back();
            const QRect lastBounds = Bounds(last.parts);
            const QRect bridge = Bridge(lastBounds, bounds);
            const bool joins = bounds.intersects(lastBounds) ||
                               (!bridge.isNull() && ClearOfOtherGroups(bridge, group, controls));
            if (joins) {
                if (!bridge.isNull()) {
                    last.parts.push_back(bridge);
                }
                last.parts.insert(last.parts.end(), padded.begin(), padded.end());
                continue;
            }
        }
        outlines.push_back({padded, bounds, group + 1});
    }
    return outlines;
}

// The rectangles the badge of an outline should not cover: what every
// control shows, and every other outline.
std::vector<QRect> Obstacles(const Outline& outline, const std::vector<Outline>& outlines,
                             const std::vector<ShownControl>& controls) {
    std::vector<QRect> obstacles;
    for (const ShownControl& control : controls) {
        obstacles.insert(obstacles.end(), control.pieces.begin(), control.pieces.end());
    }
    for (const Outline& other : outlines) {
        if (&other != &outline) {
            for (const QRect& part : other.parts) {
                obstacles.push_back(Grown(part, kOutlineWidth));
            }
        }
    }
    return obstacles;
}

QRect BadgeRect(QPoint centre) {
    return {centre - QPoint(kBadgeRadius, kBadgeRadius), QSize(kBadgeDiameter, kBadgeDiameter)};
}

qint64 HiddenPixels(const QRect& badge, const std::vector<QRect>& obstacles) {
    qint64 hidden = 0;
    for (const QRect& obstacle : obstacles) {
        const QRect covered = badge & obstacle;
        hidden += qint64{covered.width()} * covered.height();
    }
    return hidden;
}

// The badge of an outline: inside the picture, clear of the badges placed
// before, hiding as little as possible, and otherwise as near the top left
// corner of the outline's first block as can be, rather along its top than
// down its side: inside it, on its edge or just outside.
QRect PlaceBadge(const Outline& outline, const QRect& picture, const std::vector<QRect>& obstacles,
                 const std::vector<QRect>& badges) {
    const QRect centres = Grown(outline.anchor, kBadgeRadius);
    QRect best;
    qint64 bestCost = std::numeric_limits<qint64>::max();
    for (int y = centres.top(); y <= centres.bottom(); ++y) {
        for (int x = centres.left(); x <= centres.right(); ++x) {
            const QRect badge = BadgeRect({x, y});
            const QRect kept = Grown(badge, kBadgeGap);
            const bool clear = std::none_of(badges.begin(), badges.end(), [&](const QRect& other) {
                return kept.intersects(other);
            });
            if (!picture.contains(badge) || !clear) {
                continue;
            }
            const QPoint away = QPoint(x, y) - outline.anchor.topLeft();
            const qint64 cost = HiddenPixels(badge, obstacles) * kHiddenPixelCost +
                                std::abs(away.x()) + kDownwardCost * std::abs(away.y());
            if (cost < bestCost) {
                best = badge;
                bestCost = cost;
            }
        }
    }
    return best;
}

// The corners of a polygon: no point twice in a row, none on the straight
// line between its neighbours; a joined outline has both where its
// rectangles meet.
QPolygonF Corners(const QPolygonF& polygon) {
    QPolygonF corners;
    for (const QPointF& point : polygon) {
        if (corners.isEmpty() || corners.last() != point) {
            corners << point;
        }
    }
    if (corners.size() > 1 && corners.first() == corners.last()) {
        corners.removeLast();
    }
    const auto straight = [](QPointF before, QPointF point, QPointF after) {
        const QPointF in = point - before;
        const QPointF out = after - point;
        return qFuzzyIsNull(in.x() * out.y() - in.y() * out.x());
    };
    for (qsizetype i = 0; corners.size() > 2 && i < corners.size();) {
        const qsizetype count = corners.size();
        if (straight(corners[(i + count - 1) % count], corners[i], corners[(i + 1) % count])) {
            corners.remove(i);
        } else {
            ++i;
        }
    }
    return corners;
}

// The polygon with its corners rounded: each corner cut by a curve that
// begins and ends on its two edges, at most halfway along each.
QPainterPath RoundedPolygon(const QPolygonF& polygon) {
    const QPolygonF corners = Corners(polygon);
    const qsizetype count = corners.size();
    const auto along = [](QPointF from, QPointF to) {
        const QPointF edge = to - from;
        const qreal length = std::hypot(edge.x(), edge.y());
        return from + edge * (std::min(kOutlineCornerRadius, length / 2) / length);
    };
    QPainterPath path;
    for (qsizetype i = 0; i < count; ++i) {
        const QPointF corner = corners[i];
        const QPointF before = along(corner, corners[(i + count - 1) % count]);
        const QPointF after = along(corner, corners[(i + 1) % count]);
        if (i == 0) {
            path.moveTo(before);
        } else {
            path.lineTo(before);
        }
        path.quadTo(corner, after);
    }
    path.closeSubpath();
    return path;
}

// The outline around the union of the outline's rectangles, with rounded
// corners: rounding each rectangle before joining them would leave notches
// where they meet.
void DrawOutline(QPainter& painter, const Outline& outline) {
    QPainterPath joined;
    for (const QRect& part : outline.parts) {
        QPainterPath rectangle;
        rectangle.addRect(QRectF(part));
        joined = joined.united(rectangle);
    }
    QPainterPath rounded;
    for (const QPolygonF& polygon : joined.simplified().toSubpathPolygons()) {
        rounded.addPath(RoundedPolygon(polygon));
    }
    painter.setPen(QPen(kCalloutColour, kOutlineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(rounded);
}

void DrawBadge(QPainter& painter, const QRect& badge, int number, const QFont& font) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCalloutColour);
    painter.drawEllipse(badge);
    painter.setPen(kNumberColour);
    painter.setFont(font);
    painter.drawText(badge, Qt::AlignCenter, QString::number(number));
}

}  // namespace

std::optional<QString> DrawWindowCallouts(const QWidget& window, QPixmap& picture) {
    std::vector<ShownControl> controls = ShownControls(window);
    std::vector<std::vector<Block>> blocks(std::size(kGroups));
    for (size_t group = 0; group < blocks.size(); ++group) {
        if (auto missing = GroupBlocks(static_cast<int>(group), controls, blocks[group])) {
            return missing;
        }
    }
    std::vector<Outline> outlines;
    for (size_t group = 0; group < blocks.size(); ++group) {
        for (Outline& outline : GroupOutlines(static_cast<int>(group), blocks[group], controls)) {
            outlines.push_back(std::move(outline));
        }
    }
    std::vector<QRect> badges;
    for (const Outline& outline : outlines) {
        badges.push_back(
            PlaceBadge(outline, window.rect(), Obstacles(outline, outlines, controls), badges));
    }

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Outline& outline : outlines) {
        DrawOutline(painter, outline);
    }
    QFont numberFont = window.font();
    numberFont.setBold(true);
    numberFont.setPixelSize(kNumberPixelSize);
    for (size_t i = 0; i < outlines.size(); ++i) {
        DrawBadge(painter, badges[i], outlines[i].number, numberFont);
    }
    return std::nullopt;
}

}  // namespace quillday
