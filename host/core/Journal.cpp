#include "core/Journal.h"

#include <utility>

namespace scribera {

void Journal::Created(Art& art) {
    if (!open_) {
        ForgetHistory();
        return;
    }
    current_.changes.push_back(Change{Change::Op::Create, ArtField::UserAttr, &art, kNoId, kNoId, {}});
    if (createdNow_.empty()) createdFrom_ = art.id;
    if (art.id < createdFrom_) {
        createdNow_.insert(createdNow_.begin(), size_t(createdFrom_ - art.id), false);
        createdFrom_ = art.id;
    }
    const size_t bit = art.id - createdFrom_;
    if (bit >= createdNow_.size()) createdNow_.resize(bit + 1, false);
    createdNow_[bit] = true;
}

bool Journal::CreatedNow(Id id) const {
    return !createdNow_.empty() && id >= createdFrom_ && id - createdFrom_ < createdNow_.size() &&
           createdNow_[id - createdFrom_];
}

void Journal::Moving(Art& art) {
    if (!open_) {
        ForgetHistory();
        return;
    }
    current_.changes.push_back(Change{Change::Op::Link, ArtField::UserAttr, &art, art.parent, art.next, {}});
}

void Journal::Touching(Art& a, ArtField f) {
    if (!open_) {
        ForgetHistory();
        return;
    }
    if (CreatedNow(a.id)) return;
    const uint64_t key = (uint64_t(a.id) << 8) | uint64_t(f);
    if (!recordedNow_.insert(key).second) return;
    Change c{Change::Op::Field, f, &a, kNoId, kNoId, {}};
    switch (f) {
        case ArtField::UserAttr:
            c.value = a.userAttr;
            break;
        case ArtField::Segments:
            // The record keeps the original storage and the object works on a copy: a revert
            // then only swaps, and frees the copy made in this step rather than old, cold memory.
            c.value = std::move(a.segments);
            a.segments = std::get<std::vector<SBPathSegment>>(c.value);
            break;
        case ArtField::Closed:
            c.value = a.closed;
            break;
        case ArtField::Style:
            c.value = std::make_unique<SBPathStyle>(a.style);
            break;
        case ArtField::Opacity:
            c.value = a.opacity;
            break;
        case ArtField::BlendMode:
            c.value = int32_t(a.blendMode);
            break;
        case ArtField::Clipped:
            c.value = a.clipped;
            break;
        case ArtField::Mesh:
            c.value = std::make_unique<MeshGrid>(std::move(a.mesh));
            a.mesh = *std::get<std::unique_ptr<MeshGrid>>(c.value);
            break;
        case ArtField::Text:
            c.value = std::make_unique<TextValue>(TextValue{a.text, a.frame});
            break;
    }
    current_.changes.push_back(std::move(c));
}

void Journal::SwapField(Art& a, Change& c) {
    switch (c.field) {
        case ArtField::UserAttr:
            std::swap(a.userAttr, std::get<int32_t>(c.value));
            break;
        case ArtField::Segments:
            std::swap(a.segments, std::get<std::vector<SBPathSegment>>(c.value));
            break;
        case ArtField::Closed:
            std::swap(a.closed, std::get<bool>(c.value));
            break;
        case ArtField::Style:
            std::swap(a.style, *std::get<std::unique_ptr<SBPathStyle>>(c.value));
            break;
        case ArtField::Opacity:
            std::swap(a.opacity, std::get<double>(c.value));
            break;
        case ArtField::BlendMode:
            std::swap(a.blendMode, std::get<int32_t>(c.value));
            break;
        case ArtField::Clipped:
            std::swap(a.clipped, std::get<bool>(c.value));
            break;
        case ArtField::Mesh:
            std::swap(a.mesh, *std::get<std::unique_ptr<MeshGrid>>(c.value));
            break;
        case ArtField::Text: {
            auto& t = *std::get<std::unique_ptr<TextValue>>(c.value);
            std::swap(a.text, t.text);
            std::swap(a.frame, t.frame);
            break;
        }
    }
}

void Journal::Apply(Change& c) {
    Art& a = *c.art;
    if (c.op == Change::Op::Link) {
        const Id parent = a.parent, next = a.next;
        tree_.Relink(a, c.parent, c.next);
        c.parent = parent;
        c.next = next;
    } else if (c.op == Change::Op::Field) {
        SwapField(a, c);
    }
}

void Journal::DiscardUndone(Entry& e) {
    for (auto it = e.changes.rbegin(); it != e.changes.rend(); ++it)
        if (it->op == Change::Op::Create) tree_.Erase(it->art->id);
}

void Journal::DiscardRedo() {
    for (Entry& e : redo_) DiscardUndone(e);
    redo_.clear();
}

void Journal::ForgetHistory() {
    if (undo_.empty() && redo_.empty()) return;
    DiscardRedo();
    undo_.clear();
}

void Journal::Begin() {
    if (open_) return;
    open_ = true;
    current_ = Entry{};
    createdNow_.clear();
    recordedNow_.clear();
}

void Journal::End() {
    if (!open_) return;
    open_ = false;
    createdNow_.clear();
    recordedNow_.clear();
    if (current_.changes.empty()) return;
    DiscardRedo();
    undo_.push_back(std::move(current_));
    current_ = Entry{};
}

void Journal::Revert() {
    if (!open_) return;
    auto& changes = current_.changes;
    const size_t n = changes.size();
    for (size_t k = 0; k < n; ++k) {
        Change& c = changes[n - 1 - k];
        if (c.op == Change::Op::Create)
            tree_.Erase(c.art->id);
        else
            Apply(c);
    }
    changes.clear();
    createdNow_.clear();
    recordedNow_.clear();
}

void Journal::SetTexts(const std::string& undo, const std::string& redo) {
    current_.undoText = undo;
    current_.redoText = redo;
}

SBErr Journal::Undo() {
    if (open_ && !current_.changes.empty()) return SB_ERR_CANT;
    if (undo_.empty()) return SB_ERR_CANT;
    Entry e = std::move(undo_.back());
    undo_.pop_back();
    for (auto it = e.changes.rbegin(); it != e.changes.rend(); ++it) Apply(*it);
    redo_.push_back(std::move(e));
    return SB_OK;
}

SBErr Journal::Redo() {
    if (open_ && !current_.changes.empty()) return SB_ERR_CANT;
    if (redo_.empty()) return SB_ERR_CANT;
    Entry e = std::move(redo_.back());
    redo_.pop_back();
    for (Change& c : e.changes) Apply(c);
    undo_.push_back(std::move(e));
    return SB_OK;
}

std::vector<std::string> Journal::UndoNames() const {
    std::vector<std::string> out;
    for (const Entry& e : undo_) out.push_back(e.undoText.empty() ? "Undo" : e.undoText);
    return out;
}

std::vector<std::string> Journal::RedoNames() const {
    std::vector<std::string> out;
    for (auto it = redo_.rbegin(); it != redo_.rend(); ++it)
        out.push_back(it->redoText.empty() ? "Redo" : it->redoText);
    return out;
}

}  // namespace scribera
