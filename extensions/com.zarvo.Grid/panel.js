// The Grid tool's options panel: the keys and value forms the tool reads from its parameters event.
ZarvoPanel.register({
  "id": "com.zarvo.Grid",
  "title": "Grid",
  "sentEvent": "com.norvane.event.GridTool",
  "paramsEvent": "com.norvane.event.GridToolParams",
  "cancelEvent": "com.norvane.event.GridToolCancel",
  "preferencesElement": "grid",
  "fields": [
    { "key": "width", "kind": "number", "min": 0, "minExclusive": true, "max": 100000, "default": 36, "label": "Cell width" },
    { "key": "height", "kind": "number", "min": 0, "minExclusive": true, "max": 100000, "default": 36, "label": "Cell height" },
    { "key": "sqX", "kind": "integer", "min": 1, "max": 200, "default": 4, "label": "Cells across" },
    { "key": "sqY", "kind": "integer", "min": 1, "max": 200, "default": 3, "label": "Cells down" },
    { "key": "createAsSquares", "preference": "createAsSq", "kind": "checkbox", "default": 0, "label": "Create as squares" }
  ]
});
