// The Spiral tool's options panel: the keys and value forms the tool reads from its parameters event.
ZarvoPanel.register({
  "id": "com.zarvo.Spiral",
  "title": "Spiral",
  "sentEvent": "com.norvane.event.SpiralTool",
  "paramsEvent": "com.norvane.event.SpiralToolParams",
  "cancelEvent": "com.norvane.event.SpiralToolCancel",
  "preferencesElement": "spiral",
  "fields": [
    { "key": "radius", "kind": "number", "min": 0, "minExclusive": true, "max": 100000, "default": 100, "label": "Radius" },
    { "key": "turns", "kind": "integer", "min": 1, "max": 50, "default": 4, "label": "Turns" },
    { "key": "fermat", "kind": "checkbox", "default": 0, "label": "Two arms" }
  ]
});
