// The PolarMesh tool's options panel: the keys and value forms the tool reads from its parameters event.
ZarvoPanel.register({
  "id": "com.zarvo.PolarMesh",
  "title": "PolarMesh",
  "sentEvent": "com.norvane.event.PolarMeshTool",
  "paramsEvent": "com.norvane.event.PolarMeshToolParams",
  "cancelEvent": "com.norvane.event.PolarMeshToolCancel",
  "preferencesElement": "polarmesh",
  "fields": [
    { "key": "outerRadius", "kind": "number", "min": 0, "minExclusive": true, "max": 100000, "default": 100, "label": "Outer radius" },
    { "key": "innerRadius", "kind": "number", "min": 0, "max": 99, "default": 0, "label": "Inner radius (% of the outer)" },
    { "key": "radialLines", "kind": "integer", "min": 4, "max": 100, "default": 4, "label": "Spokes" },
    { "key": "circularLines", "kind": "integer", "min": 2, "max": 100, "default": 3, "label": "Rings" },
    { "key": "polygon", "kind": "checkbox", "default": 0, "label": "Polygon" },
    { "key": "colorMode", "kind": "select", "default": 1, "label": "Colours", "options": [ { "value": 0, "text": "0 light centre and rim" }, { "value": 1, "text": "1 light centre" }, { "value": 2, "text": "2 light rim" }, { "value": 3, "text": "3 plain; gradient around, reversed" }, { "value": 4, "text": "4 plain; gradient around" } ] }
  ]
});
