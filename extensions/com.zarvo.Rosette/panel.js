// The Rosette tool's options panel: the keys and value forms the tool reads from its parameters event.
ZarvoPanel.register({
  "id": "com.zarvo.Rosette",
  "title": "Rosette",
  "sentEvent": "com.norvane.event.RosetteTool",
  "paramsEvent": "com.norvane.event.RosetteToolParams",
  "cancelEvent": "com.norvane.event.RosetteToolCancel",
  "preferencesElement": "rosette",
  "fields": [
    { "key": "rosettes", "kind": "integer", "min": 1, "max": 50, "default": 8, "label": "Copies" },
    { "key": "cut", "kind": "checkbox", "default": 1, "label": "Cut along the drag" },
    { "key": "mirror", "kind": "checkbox", "default": 1, "label": "Mirror the wedge" }
  ]
});
