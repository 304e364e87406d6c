// The Rose tool's options panel: the keys and value forms the tool reads from its parameters event.
ZarvoPanel.register({
  "id": "com.zarvo.Rose",
  "title": "Rose",
  "sentEvent": "com.norvane.event.RoseTool",
  "paramsEvent": "com.norvane.event.RoseToolParams",
  "cancelEvent": "com.norvane.event.RoseToolCancel",
  "preferencesElement": "rose",
  "fields": [
    { "key": "radius", "kind": "number", "min": 0, "minExclusive": true, "max": 100000, "default": 100, "label": "Radius" },
    { "key": "lobes", "kind": "integer", "min": 1, "max": 40, "default": 4, "label": "Petals" },
    { "key": "width", "kind": "number", "min": 0, "minExclusive": true, "max": 3, "default": 1.5, "label": "Petal width" }
  ]
});
