#include "dialogs/accessible_names.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quelmo {
namespace {

// A closed list is about this tall; the template gives its dropped-down
// height.
constexpr int kClosedListHeight = 14;
// A label further above its field than this belongs to something else.
constexpr int kMostAboveGap = 12;

// Where the geometry names a control wrongly or not at all.
struct NamedBy {
  int dialog;
  ControlId control;
  ControlId label;
};
constexpr std::array<NamedBy, 4> kNamedBy = {{
    // The camera's serial number: one label before five lists of a digit each.
    {129, 1034, 1021},
    {129, 1035, 1021},
    {129, 1036, 1021},
    {129, 1037, 1021},
}};

struct Box {
  int left = 0;
  int top = 0;
  int right = 0;   // one past
  int bottom = 0;  // one past
  int CentreX() const { return (left + right) / 2; }
  int CentreY() const { return (top + bottom) / 2; }
  bool HoldsPoint(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool Holds(const Box& inner) const {
    return inner.left >= left && inner.right <= right && inner.top >= top && inner.bottom <= bottom &&
           !(inner.left == left && inner.right == right && inner.top == top && inner.bottom == bottom);
  }
};

Box BoxOf(const ControlTemplate& control) {
  int height = control.height;
  if (control.kind == ControlKind::kDropdownList || control.kind == ControlKind::kDropdownCombo) {
    height = std::min(height, kClosedListHeight);
  }
  return Box{control.x, control.y, control.x + control.width, control.y + height};
}

// A label whose text never changes and holds no letter or digit, such as the
// ":" between hours and minutes: it separates fields, it names none.
bool IsSeparator(const ControlTemplate& control) {
  if (control.kind != ControlKind::kLabel || control.id > 0) return false;
  return std::none_of(control.text.begin(), control.text.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || static_cast<unsigned char>(c) >= 0x80;
  });
}

class Geometry {
 public:
  explicit Geometry(const DialogTemplate& dialog) : dialog_(dialog) {
    for (const ControlTemplate& control : dialog.controls) boxes_.push_back(BoxOf(control));
    for (std::size_t i = 0; i < boxes_.size(); ++i) group_.push_back(InnermostGroup(i));
  }

  const ControlTemplate& At(std::size_t i) const { return dialog_.controls[i]; }
  const Box& BoxAt(std::size_t i) const { return boxes_[i]; }
  std::size_t Count() const { return boxes_.size(); }
  // The group box control `i` lies in; nullopt when none.
  std::optional<std::size_t> GroupOf(std::size_t i) const { return group_[i]; }

  std::optional<std::size_t> LabelOf(std::size_t i) const {
    const ControlTemplate& control = At(i);
    for (const NamedBy& named : kNamedBy) {
      if (named.dialog != dialog_.id || named.control != control.id) continue;
      for (std::size_t j = 0; j < Count(); ++j) {
        if (At(j).id == named.label) return j;
      }
    }
    if (control.kind == ControlKind::kPushButton) return i;
    if (auto left = LabelToTheLeft(i)) return left;
    if (auto above = LabelAbove(i)) return above;
    if (auto group = GroupOf(i); group && (At(*group).id > 0 || !At(*group).text.empty())) {
      return group;
    }
    return std::nullopt;
  }

 private:
  std::optional<std::size_t> InnermostGroup(std::size_t i) const {
    std::optional<std::size_t> found;
    const Box& box = boxes_[i];
    for (std::size_t g = 0; g < boxes_.size(); ++g) {
      if (g == i || At(g).kind != ControlKind::kGroupBox) continue;
      const bool inside = At(i).kind == ControlKind::kGroupBox
                              ? boxes_[g].Holds(box)
                              : boxes_[g].HoldsPoint(box.CentreX(), box.CentreY());
      if (!inside) continue;
      if (!found || boxes_[*found].Holds(boxes_[g])) found = g;
    }
    return found;
  }

  bool MayName(std::size_t namer, std::size_t field) const {
    return namer != field && group_[namer] == group_[field] && !IsSeparator(At(namer));
  }

  std::optional<std::size_t> LabelToTheLeft(std::size_t i) const {
    const Box& field = boxes_[i];
    const bool edit = At(i).kind == ControlKind::kEdit;
    std::optional<std::size_t> best;
    for (std::size_t j = 0; j < Count(); ++j) {
      const ControlKind kind = At(j).kind;
      if (kind != ControlKind::kLabel && !(edit && kind == ControlKind::kPushButton)) continue;
      if (!MayName(j, i)) continue;
      const Box& label = boxes_[j];
      if (label.CentreY() < field.top || label.CentreY() >= field.bottom) continue;
      if (label.CentreX() >= field.left) continue;
      if (!best || label.right > boxes_[*best].right) best = j;
    }
    // A label with another field between it and this one names that field.
    if (best) {
      for (std::size_t j = 0; j < Count(); ++j) {
        if (j == i || !IsInteractive(At(j).kind) || j == *best) continue;
        const Box& other = boxes_[j];
        if (other.CentreY() < field.top || other.CentreY() >= field.bottom) continue;
        if (other.left >= boxes_[*best].CentreX() && other.right <= field.left) return std::nullopt;
      }
    }
    return best;
  }

  std::optional<std::size_t> LabelAbove(std::size_t i) const {
    const Box& field = boxes_[i];
    std::optional<std::size_t> best;
    for (std::size_t j = 0; j < Count(); ++j) {
      if (At(j).kind != ControlKind::kLabel || !MayName(j, i)) continue;
      const Box& label = boxes_[j];
      if (label.bottom > field.top + 1 || field.top - label.bottom > kMostAboveGap) continue;
      if (label.right <= field.left || label.left >= field.right) continue;
      if (!best || label.bottom > boxes_[*best].bottom) best = j;
    }
    return best;
  }

  const DialogTemplate& dialog_;
  std::vector<Box> boxes_;
  std::vector<std::optional<std::size_t>> group_;
};

// Row by row, each row left to right: a control joins the row whose first
// control its middle lies beside.
void InRows(const Geometry& geometry, std::vector<std::size_t> items, std::vector<std::size_t>& out) {
  std::stable_sort(items.begin(), items.end(), [&](std::size_t a, std::size_t b) {
    return geometry.BoxAt(a).top < geometry.BoxAt(b).top;
  });
  std::size_t start = 0;
  while (start < items.size()) {
    const Box& first = geometry.BoxAt(items[start]);
    std::size_t end = start + 1;
    while (end < items.size() && geometry.BoxAt(items[end]).CentreY() < first.bottom) ++end;
    std::stable_sort(items.begin() + static_cast<std::ptrdiff_t>(start),
                     items.begin() + static_cast<std::ptrdiff_t>(end), [&](std::size_t a, std::size_t b) {
                       return geometry.BoxAt(a).left < geometry.BoxAt(b).left;
                     });
    out.insert(out.end(), items.begin() + static_cast<std::ptrdiff_t>(start),
               items.begin() + static_cast<std::ptrdiff_t>(end));
    start = end;
  }
}

struct Cut {
  bool across = false;  // a horizontal lane: what lies above goes first
  int at = 0;           // the first coordinate after the lane
  int width = -1;       // -1: no lane
};

// The widest free lane through `items`, across or down; across wins a tie.
Cut WidestLane(const Geometry& geometry, const std::vector<std::size_t>& items) {
  Cut best;
  for (const bool across : {true, false}) {
    std::vector<std::pair<int, int>> spans;
    for (std::size_t i : items) {
      const Box& b = geometry.BoxAt(i);
      spans.emplace_back(across ? b.top : b.left, across ? b.bottom : b.right);
    }
    std::sort(spans.begin(), spans.end());
    int reach = spans.front().second;
    for (std::size_t k = 1; k < spans.size(); ++k) {
      const int gap = spans[k].first - reach;
      if (gap >= 0 && gap > best.width) best = Cut{across, spans[k].first, gap};
      reach = std::max(reach, spans[k].second);
    }
  }
  return best;
}

class Reader {
 public:
  explicit Reader(const Geometry& geometry) : geometry_(geometry) {}

  // The interactive controls of the window in reading order.
  std::vector<std::size_t> Read() {
    Blocks(MembersOf(std::nullopt));
    return order_;
  }

 private:
  // The group boxes and interactive controls right inside `group`.
  std::vector<std::size_t> MembersOf(std::optional<std::size_t> group) const {
    std::vector<std::size_t> members;
    for (std::size_t i = 0; i < geometry_.Count(); ++i) {
      const ControlKind kind = geometry_.At(i).kind;
      if ((kind == ControlKind::kGroupBox || IsInteractive(kind)) && geometry_.GroupOf(i) == group) {
        members.push_back(i);
      }
    }
    return members;
  }

  void Blocks(const std::vector<std::size_t>& items) {
    if (items.empty()) return;
    const Cut cut = items.size() > 1 ? WidestLane(geometry_, items) : Cut{};
    if (cut.width < 0) {
      std::vector<std::size_t> rows;
      InRows(geometry_, items, rows);
      for (std::size_t i : rows) Visit(i);
      return;
    }
    std::vector<std::size_t> first;
    std::vector<std::size_t> second;
    for (std::size_t i : items) {
      const Box& b = geometry_.BoxAt(i);
      ((cut.across ? b.top : b.left) < cut.at ? first : second).push_back(i);
    }
    Blocks(first);
    Blocks(second);
  }

  void Visit(std::size_t i) {
    if (geometry_.At(i).kind != ControlKind::kGroupBox) {
      order_.push_back(i);
      return;
    }
    // Inside a box, rows: a form's fields are read line by line.
    std::vector<std::size_t> rows;
    InRows(geometry_, MembersOf(i), rows);
    for (std::size_t member : rows) Visit(member);
  }

  const Geometry& geometry_;
  std::vector<std::size_t> order_;
};

}  // namespace

bool IsInteractive(ControlKind kind) {
  switch (kind) {
    case ControlKind::kPushButton:
    case ControlKind::kDropdownList:
    case ControlKind::kDropdownCombo:
    case ControlKind::kEdit:
      return true;
    case ControlKind::kLabel:
    case ControlKind::kGroupBox:
    case ControlKind::kIcon:
      return false;
  }
  return false;
}

std::vector<AccessibleControl> AccessibleControls(const DialogTemplate& dialog) {
  const Geometry geometry(dialog);
  std::vector<AccessibleControl> controls;
  for (std::size_t i : Reader(geometry).Read()) {
    controls.push_back(AccessibleControl{i, geometry.LabelOf(i)});
  }
  return controls;
}

DialogTemplate InCreationOrder(const DialogTemplate& dialog) {
  std::vector<bool> placed(dialog.controls.size(), false);
  std::vector<std::size_t> order;
  const auto place = [&](std::size_t i) {
    if (placed[i]) return;
    placed[i] = true;
    order.push_back(i);
  };
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    if (dialog.controls[i].kind == ControlKind::kGroupBox) place(i);
  }
  for (const AccessibleControl& named : AccessibleControls(dialog)) {
    if (named.label && dialog.controls[*named.label].kind == ControlKind::kLabel) place(*named.label);
    place(named.control);
  }
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) place(i);

  DialogTemplate ordered = dialog;
  ordered.controls.clear();
  for (std::size_t i : order) ordered.controls.push_back(dialog.controls[i]);
  return ordered;
}

}  // namespace quelmo
