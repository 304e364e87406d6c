#include "frame/sb/Art.h"

#include "frame/Suites.h"
#include "frame/sb/Require.h"

namespace sb {

SBArtHandle NewArt(int16_t kind, int16_t placement, SBArtHandle reference) {
    SBArtHandle art = nullptr;
    CheckHostResult(HeldSuite(sArt).NewArt(kind, placement, reference, &art));
    return art;
}

void DisposeArt(SBArtHandle art) { CheckHostResult(HeldSuite(sArt).DisposeArt(art)); }

void ReorderArt(SBArtHandle art, int16_t placement, SBArtHandle reference) {
    CheckHostResult(HeldSuite(sArt).ReorderArt(art, placement, reference));
}

SBArtHandle DuplicateArt(SBArtHandle art, int16_t placement, SBArtHandle reference) {
    SBArtHandle copy = nullptr;
    CheckHostResult(HeldSuite(sArt).DuplicateArt(art, placement, reference, &copy));
    return copy;
}

SBArtHandle GetFirstArtOfLayer(SBLayerHandle layer) {
    SBArtHandle art = nullptr;
    CheckHostResult(HeldSuite(sArt).GetFirstArtOfLayer(layer, &art));
    return art;
}

SBArtHandle GetArtParent(SBArtHandle art) {
    SBArtHandle parent = nullptr;
    CheckHostResult(HeldSuite(sArt).GetArtParent(art, &parent));
    return parent;
}

SBArtHandle GetArtFirstChild(SBArtHandle art) {
    SBArtHandle child = nullptr;
    CheckHostResult(HeldSuite(sArt).GetArtFirstChild(art, &child));
    return child;
}

SBArtHandle GetArtSibling(SBArtHandle art) {
    SBArtHandle sibling = nullptr;
    CheckHostResult(HeldSuite(sArt).GetArtSibling(art, &sibling));
    return sibling;
}

SBArtHandle GetArtPriorSibling(SBArtHandle art) {
    SBArtHandle sibling = nullptr;
    CheckHostResult(HeldSuite(sArt).GetArtPriorSibling(art, &sibling));
    return sibling;
}

int16_t GetArtType(SBArtHandle art) {
    int16_t kind = 0;
    CheckHostResult(HeldSuite(sArt).GetArtType(art, &kind));
    return kind;
}

int32_t GetArtUserAttr(SBArtHandle art, int32_t whichAttr) {
    int32_t attr = 0;
    CheckHostResult(HeldSuite(sArt).GetArtUserAttr(art, whichAttr, &attr));
    return attr;
}

void SetArtUserAttr(SBArtHandle art, int32_t whichAttr, int32_t attr) {
    CheckHostResult(HeldSuite(sArt).SetArtUserAttr(art, whichAttr, attr));
}

SBRealRect GetArtBounds(SBArtHandle art) {
    SBRealRect bounds{};
    CheckHostResult(HeldSuite(sArt).GetArtBounds(art, &bounds));
    return bounds;
}

bool ValidArt(SBArtHandle art) {
    SBBool valid = 0;
    CheckHostResult(HeldSuite(sArt).ValidArt(art, &valid));
    return valid != 0;
}

}  // namespace sb
