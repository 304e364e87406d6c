// The Spike tool's options panel: the keys and value forms the tool reads from its parameters event.
ZarvoPanel.register({
  "id": "com.zarvo.Spike",
  "title": "Spike",
  "sentEvent": "com.norvane.event.SpikeTool",
  "paramsEvent": "com.norvane.event.SpikeToolParams",
  "cancelEvent": "com.norvane.event.SpikeToolCancel",
  "preferencesElement": "spike",
  "fields": [
    { "key": "sharpness", "kind": "number", "min": 0, "max": 1, "default": 0.5, "label": "Sharpness" }
  ]
});
