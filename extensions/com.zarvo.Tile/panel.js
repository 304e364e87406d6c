// The Tile tool's options panel: the keys and value forms the tool reads from its parameters event.
ZarvoPanel.register({
  "id": "com.zarvo.Tile",
  "title": "Tile",
  "sentEvent": "com.norvane.event.TileTool",
  "paramsEvent": "com.norvane.event.TileToolParams",
  "cancelEvent": "com.norvane.event.TileToolCancel",
  "preferencesElement": "tile",
  "linked": [["tile_cut_mode", "tile_mirror_mode"]],
  "fields": [
    { "key": "symmetry", "kind": "select", "default": 14, "label": "Wallpaper group", "options": [ { "value": 1, "text": "1 p1" }, { "value": 2, "text": "2 p2" }, { "value": 3, "text": "3 pm" }, { "value": 4, "text": "4 pg" }, { "value": 5, "text": "5 pmm" }, { "value": 6, "text": "6 pmg" }, { "value": 7, "text": "7 pgg" }, { "value": 8, "text": "8 cm" }, { "value": 9, "text": "9 cmm" }, { "value": 10, "text": "10 p4" }, { "value": 11, "text": "11 p4m" }, { "value": 12, "text": "12 p4g" }, { "value": 13, "text": "13 p3" }, { "value": 14, "text": "14 p3m1" }, { "value": 15, "text": "15 p31m" }, { "value": 16, "text": "16 p6" }, { "value": 17, "text": "17 p6m" } ] },
    { "key": "tile_cut_mode", "kind": "checkbox", "default": 1, "label": "Cut the motif to the cell" },
    { "key": "tile_mirror_mode", "kind": "checkbox", "default": 0, "label": "Mirror the motif whole" },
    { "key": "group_cut_single_lattice", "kind": "radio", "group": "extent", "default": 0, "label": "One lattice" },
    { "key": "group_cut_document", "kind": "radio", "group": "extent", "default": 1, "label": "The document" },
    { "key": "group_cut_artboard", "kind": "radio", "group": "extent", "default": 0, "label": "The artboard" },
    { "key": "group_cut_page", "kind": "radio", "group": "extent", "default": 0, "label": "The page" },
    { "key": "tile_mirror_closed_cut", "kind": "checkbox", "default": 1, "label": "Closed cuts" }
  ]
});
