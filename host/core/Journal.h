// The undo journal of a document: what each transaction changed, as records that swap state, so
// that reverting, undoing and redoing cost time in proportion to the changes, not to the document.
#pragma once

#include "core/Document.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <variant>
#include <vector>

namespace scribera {

// The fields of an art object whose old value a change keeps.
enum class ArtField : uint8_t { UserAttr, Segments, Closed, Style, Opacity, BlendMode, Clipped, Mesh, Text };

class Journal {
public:
    // What replaying a record needs from the tree it describes.
    class Tree {
    public:
        // Takes `art` out of where it sits and links it into `parent` above `next` (kNoId: at the
        // bottom); a parent of kNoId leaves it detached.
        virtual void Relink(Art& art, Id parent, Id next) = 0;
        // Drops the object for good; its id stays unknown.
        virtual void Erase(Id id) = 0;

    protected:
        ~Tree() = default;
    };

    explicit Journal(Tree& tree) : tree_(tree) {}
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Recording, called before the change is made. Outside a transaction nothing is recorded and
    // the history goes: it would describe a document that no longer exists, and replaying it
    // could corrupt the tree.
    void Created(Art& art);
    void Moving(Art& art);                    // keeps where the object sits now
    void Touching(Art& art, ArtField field);  // keeps the field's value before its first change
    // For a change made outside a transaction that is not recorded at all.
    void ForgetHistory();

    // Transactions: what one top-level message (or one tool drag) changes.
    void Begin();
    // The transaction becomes an undo entry when it changed anything.
    void End();
    bool Open() const { return open_; }
    // Reverts the open transaction's changes so far; it stays open.
    void Revert();
    void SetTexts(const std::string& undo, const std::string& redo);
    size_t Pending() const { return open_ ? current_.changes.size() : 0; }

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    SBErr Undo();
    SBErr Redo();
    std::vector<std::string> UndoNames() const;  // oldest first
    std::vector<std::string> RedoNames() const;  // the next redo first

private:
    struct TextValue {
        std::string text;
        SBRealRect frame;
    };
    // The large values are boxed: a drag step can write tens of thousands of records, most of them
    // without a value, and each record is as large as the largest value.
    using Value = std::variant<std::monostate, int32_t, bool, double, std::unique_ptr<SBPathStyle>,
                               std::vector<SBPathSegment>, std::unique_ptr<MeshGrid>, std::unique_ptr<TextValue>>;

    // Applying a change swaps the document's state with the one it holds, so the same record
    // undoes and, applied again, redoes.
    struct Change {
        enum class Op : uint8_t { Create, Link, Field };
        Op op;
        ArtField field = ArtField::UserAttr;
        Art* art;           // table entries never move, and outlive every record that names them
        Id parent = kNoId;  // Link: where the object sat (kNoId: detached) ...
        Id next = kNoId;    // ... and the sibling below it (kNoId: at the bottom)
        Value value;
    };

    struct Entry {
        std::string undoText, redoText;
        std::vector<Change> changes;
    };

    // Create records do nothing here; whoever discards the record decides whether the object goes.
    void Apply(Change& c);
    static void SwapField(Art& a, Change& c);
    // Objects created by the changes of a discarded redo entry (currently detached) go for good.
    void DiscardUndone(Entry& e);
    void DiscardRedo();
    bool CreatedNow(Id id) const;

    Tree& tree_;
    bool open_ = false;
    Entry current_;
    // Created in the open transaction: a bit per id from the first one created in it (ids only
    // grow, so the bits span what the transaction made, and a lookup is one load).
    Id createdFrom_ = kNoId;
    std::vector<bool> createdNow_;
    std::unordered_set<uint64_t> recordedNow_;  // (id, field) already journalled in it
    std::vector<Entry> undo_, redo_;
};

}  // namespace scribera
