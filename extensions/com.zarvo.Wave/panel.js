// The Wave tool's options panel: the keys and value forms the tool reads from its parameters event.
ZarvoPanel.register({
  "id": "com.zarvo.Wave",
  "title": "Wave",
  "sentEvent": "com.norvane.event.WaveTool",
  "paramsEvent": "com.norvane.event.WaveToolParams",
  "cancelEvent": "com.norvane.event.WaveToolCancel",
  "preferencesElement": "wave",
  "fields": [
    { "key": "width", "kind": "number", "min": -100000, "max": 100000, "nonZero": true, "default": 200, "label": "Length" },
    { "key": "height", "kind": "integer", "min": -100000, "max": 100000, "nonZero": true, "default": 100, "label": "Crest distance" },
    { "key": "waves", "kind": "integer", "min": 1, "max": 40, "default": 8, "label": "Arches" }
  ]
});
