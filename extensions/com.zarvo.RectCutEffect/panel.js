// The "Rectangle cut..." live effect's panel: the effect's dictionary values. The effect has no cancel event.
ZarvoPanel.register({
  "id": "com.zarvo.RectCutEffect",
  "title": "Rectangle cut",
  "sentEvent": "com.norvane.event.RectangleCutTool",
  "paramsEvent": "com.norvane.event.RectangleCutToolParams",
  "cancelEvent": null,
  "fields": [
    { "key": "ZarvoOffsetX", "kind": "number", "min": 0, "minExclusive": true, "max": 100000, "default": 100, "label": "Half width" },
    { "key": "ZarvoOffsetY", "kind": "number", "min": 0, "minExclusive": true, "max": 100000, "default": 100, "label": "Half height" }
  ]
});
