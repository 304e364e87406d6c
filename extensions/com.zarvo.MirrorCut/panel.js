// The Mirror tool's options panel: the keys and value forms the tool reads from its parameters event.
ZarvoPanel.register({
  "id": "com.zarvo.MirrorCut",
  "title": "Mirror",
  "sentEvent": "com.norvane.event.MirrorCutTool",
  "paramsEvent": "com.norvane.event.MirrorCutToolParams",
  "cancelEvent": "com.norvane.event.MirrorCutToolCancel",
  "preferencesElement": "mirror",
  "fields": [
    { "key": "rotate", "kind": "integer", "min": 0, "max": 359, "default": 0, "label": "Axis angle (degrees)" }
  ]
});
