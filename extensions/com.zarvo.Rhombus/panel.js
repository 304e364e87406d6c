// The Rhombus tool's options panel: the keys and value forms the tool reads from its parameters event.
ZarvoPanel.register({
  "id": "com.zarvo.Rhombus",
  "title": "Rhombus",
  "sentEvent": "com.norvane.event.RhombusTool",
  "paramsEvent": "com.norvane.event.RhombusToolParams",
  "cancelEvent": "com.norvane.event.RhombusToolCancel",
  "preferencesElement": "rhombus",
  "fields": [
    { "key": "width", "kind": "number", "min": 0, "minExclusive": true, "max": 100000, "default": 200, "label": "Horizontal diagonal" },
    { "key": "height", "kind": "integer", "min": 1, "max": 100000, "default": 100, "label": "Vertical diagonal" }
  ]
});
