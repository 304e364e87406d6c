// The "Mirror..." live effect's panel: the effect's dictionary values. The effect has no cancel event.
ZarvoPanel.register({
  "id": "com.zarvo.MirrorEffect",
  "title": "Mirror",
  "sentEvent": "com.norvane.event.MirrorTool",
  "paramsEvent": "com.norvane.event.MirrorLEDToolParams",
  "cancelEvent": null,
  "fields": [
    { "key": "ZarvoAngle", "kind": "number", "min": -360, "max": 360, "default": 0, "label": "Axis angle (degrees)" },
    { "key": "ZarvoOffset", "kind": "number", "min": -100000, "max": 100000, "default": 0, "label": "Axis offset" },
    { "key": "ZarvoMirrorType", "kind": "select", "default": 1, "label": "Mirror type", "options": [ { "value": 1, "text": "1 mirror and join" }, { "value": 2, "text": "2 mirror and join, open" }, { "value": 3, "text": "3 closed cut" }, { "value": 4, "text": "4 closed cut and copy" }, { "value": 5, "text": "5 open cut" }, { "value": 6, "text": "6 open cut and copy" }, { "value": 7, "text": "7 automatic cut" } ] },
    { "key": "ZarvoFlipAgain", "kind": "checkbox", "default": 0, "label": "Second pass at 90°" }
  ]
});
