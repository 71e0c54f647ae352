// A local stand-in for the part of the map library's script API that the map page uses.
//
// It offers the same names (google.maps.Map, Marker, InfoWindow, LatLng, event,
// street view, layers and constants), draws a plain map (background, grid,
// markers as small boxes with their titles, open info windows, a street view
// cover, control boxes and active layers), answers the mouse as a map does
// (see "mouse" below), and gives tests a handle on everything the page listens
// to through window.__standin (see the end of the file). Plain ES5, no
// network, no timers other than zero delays.
(function (window) {
  "use strict";

  var document = window.document;
  var TILE_SIZE = 256;
  var MAX_ZOOM = 21;

  // Option values the page gets wrong are collected here instead of thrown,
  // so a test can read them all at once.
  var problems = [];
  var createdMaps = [];

  function problem(text) {
    problems.push(text);
  }

  function toArray(list, from) {
    return Array.prototype.slice.call(list, from || 0);
  }

  function later(fn) {
    window.setTimeout(fn, 0);
  }

  // ---------------------------------------------------------------- events

  function listenersOf(source) {
    if (!Object.prototype.hasOwnProperty.call(source, "__standinListeners")) {
      Object.defineProperty(source, "__standinListeners", { value: {}, enumerable: false });
    }
    return source.__standinListeners;
  }

  var event = {
    // Handlers run with `this` bound to the source, as page listeners expect.
    addListener: function (source, name, handler) {
      var all = listenersOf(source);
      var list = all[name] || (all[name] = []);
      list.push(handler);
      return {
        remove: function () {
          var at = list.indexOf(handler);
          if (at >= 0) list.splice(at, 1);
        }
      };
    },
    addDomListener: function (target, name, handler) {
      var bound = function (domEvent) { return handler.call(target, domEvent); };
      target.addEventListener(name, bound, false);
      return {
        remove: function () { target.removeEventListener(name, bound, false); }
      };
    },
    removeListener: function (handle) {
      if (handle && handle.remove) handle.remove();
    },
    trigger: function (source, name) {
      var args = toArray(arguments, 2);
      var list = (listenersOf(source)[name] || []).slice();
      for (var i = 0; i < list.length; ++i) list[i].apply(source, args);
    }
  };

  function listenerCounts(source) {
    var all = listenersOf(source);
    var counts = {};
    for (var name in all) {
      if (all[name].length) counts[name] = all[name].length;
    }
    return counts;
  }

  // ---------------------------------------------------------------- constants

  function namedConstants(names) {
    var constants = {};
    for (var i = 0; i < names.length; ++i) constants[names[i]] = names[i];
    return constants;
  }

  var MapTypeId = { ROADMAP: "roadmap", SATELLITE: "satellite", HYBRID: "hybrid", TERRAIN: "terrain" };
  var ControlPosition = namedConstants([
    "TOP_LEFT", "TOP_CENTER", "TOP_RIGHT", "LEFT_TOP", "LEFT_CENTER", "LEFT_BOTTOM",
    "RIGHT_TOP", "RIGHT_CENTER", "RIGHT_BOTTOM", "BOTTOM_LEFT", "BOTTOM_CENTER", "BOTTOM_RIGHT"]);
  var NavigationControlStyle = namedConstants(["DEFAULT", "ANDROID", "SMALL", "ZOOM_PAN"]);
  var ZoomControlStyle = namedConstants(["DEFAULT", "SMALL", "LARGE"]);
  var MapTypeControlStyle = namedConstants(["DEFAULT", "DROPDOWN_MENU", "HORIZONTAL_BAR"]);
  var Animation = { BOUNCE: 1, DROP: 2 };
  var StreetViewStatus = namedConstants(["OK", "UNKNOWN_ERROR", "ZERO_RESULTS"]);

  function isOneOf(value, constants) {
    for (var key in constants) {
      if (constants[key] === value) return true;
    }
    return false;
  }

  function animationName(value) {
    if (value === Animation.BOUNCE) return "BOUNCE";
    if (value === Animation.DROP) return "DROP";
    return null;
  }

  // ---------------------------------------------------------------- geometry

  function LatLng(lat, lng) {
    lat = Number(lat);
    lng = Number(lng);
    if (isNaN(lat) || isNaN(lng)) problem("LatLng(" + lat + ", " + lng + ") is not a pair of numbers");
    this.__lat = Math.max(-90, Math.min(90, lat));
    // Wrapped only when outside the range, so that values in it stay exact.
    this.__lng = lng >= -180 && lng <= 180 ? lng : ((lng + 180) % 360 + 360) % 360 - 180;
  }
  LatLng.prototype.lat = function () { return this.__lat; };
  LatLng.prototype.lng = function () { return this.__lng; };
  LatLng.prototype.equals = function (other) {
    return !!other && other.lat() === this.__lat && other.lng() === this.__lng;
  };
  LatLng.prototype.toString = function () { return "(" + this.__lat + ", " + this.__lng + ")"; };

  function Point(x, y) {
    this.x = x;
    this.y = y;
  }

  function worldSize(zoom) {
    return TILE_SIZE * Math.pow(2, zoom);
  }

  // Web Mercator, in pixels of the whole world at the given zoom.
  function project(latLng, zoom) {
    var size = worldSize(zoom);
    var sin = Math.max(-0.9999, Math.min(0.9999, Math.sin(latLng.lat() * Math.PI / 180)));
    return {
      x: (latLng.lng() + 180) / 360 * size,
      y: (0.5 - Math.log((1 + sin) / (1 - sin)) / (4 * Math.PI)) * size
    };
  }

  function unproject(x, y, zoom) {
    var size = worldSize(zoom);
    var n = Math.PI - 2 * Math.PI * y / size;
    return new LatLng(180 / Math.PI * Math.atan(0.5 * (Math.exp(n) - Math.exp(-n))), x / size * 360 - 180);
  }

  function plainLatLng(latLng) {
    return latLng ? { lat: latLng.lat(), lng: latLng.lng() } : null;
  }

  // ---------------------------------------------------------------- mouse
  //
  // The map answers the mouse as the library does: a press and release in
  // place is a click (on the topmost marker under the pointer, or on the map),
  // the context menu button a right click, a double click zooms in on the
  // point unless disableDoubleClickZoom; moving with the button down drags a
  // draggable marker (dragstart, drag, dragend, the marker following the
  // pointer) or pans the map unless it is not draggable; the wheel zooms
  // unless scrollwheel is false. Moving reports mousemove, and markers
  // mouseover and mouseout as the pointer enters and leaves them. Presses on
  // info windows, controls and the street-view cover are theirs, not the map's.

  var DRAG_THRESHOLD = 3;

  function pointIn(div, domEvent) {
    var bounds = div.getBoundingClientRect();
    return { x: domEvent.clientX - bounds.left, y: domEvent.clientY - bounds.top };
  }

  function onOverlay(div, target) {
    for (var node = target; node && node !== div; node = node.parentNode) {
      var name = node.className;
      if (typeof name === "string" && /standin-(info-window|control|street-view)/.test(name)) return true;
    }
    return false;
  }

  function fireAt(source, name, latLng) {
    event.trigger(source, name, { latLng: latLng });
  }

  function listenToMouse(map, div) {
    var press = null;   // the left button is down: where, on which marker, dragging yet
    var hovered = null; // the marker under the pointer

    function option(name, otherwise) {
      return name in map.__options ? map.__options[name] : otherwise;
    }

    function hover(marker) {
      if (marker === hovered) return;
      if (hovered) fireAt(hovered, "mouseout", hovered.getPosition());
      hovered = marker;
      if (hovered) fireAt(hovered, "mouseover", hovered.getPosition());
    }

    function clickableAt(point) {
      var marker = map.__markerAtPoint(point.x, point.y);
      return marker && marker.getClickable() ? marker : null;
    }

    div.addEventListener("mousedown", function (domEvent) {
      if (domEvent.button !== 0 || onOverlay(div, domEvent.target)) return;
      domEvent.preventDefault();
      var point = pointIn(div, domEvent);
      var marker = clickableAt(point);
      press = { start: point, last: point, marker: marker, dragging: false, moved: false, offset: null };
      if (marker) fireAt(marker, "mousedown", marker.getPosition());
    }, false);

    // A drag goes on wherever the pointer goes; hovering is over the map only.
    function dragTo(point) {
      if (!press.dragging) {
        if (Math.abs(point.x - press.start.x) < DRAG_THRESHOLD && Math.abs(point.y - press.start.y) < DRAG_THRESHOLD) return;
        if (press.marker && !press.marker.getDraggable()) press.marker = null;
        if (!press.marker && option("draggable", true) === false) return;
        press.dragging = true;
        if (press.marker) {
          // The marker keeps its place relative to the pointer, as when it was taken.
          var place = markerPlace(press.marker, mapOrigin(map), map.__zoom);
          press.offset = { x: place.x - press.start.x, y: place.y - press.start.y };
          fireAt(press.marker, "dragstart", press.marker.getPosition());
        } else {
          event.trigger(map, "dragstart");
        }
      }
      if (point.x === press.last.x && point.y === press.last.y && press.moved) return;
      press.moved = true;
      if (press.marker) {
        press.marker.setPosition(map.__latLngAtPoint(point.x + press.offset.x, point.y + press.offset.y));
        fireAt(press.marker, "drag", press.marker.getPosition());
      } else {
        var centre = project(map.__center, map.__zoom);
        map.__moved(unproject(centre.x - (point.x - press.last.x), centre.y - (point.y - press.last.y), map.__zoom));
        event.trigger(map, "drag");
      }
      press.last = point;
    }

    window.addEventListener("mousemove", function (domEvent) {
      var point = pointIn(div, domEvent);
      if (press) return dragTo(point);
      if (!div.contains(domEvent.target)) return;
      if (onOverlay(div, domEvent.target)) return hover(null);
      hover(clickableAt(point));
      fireAt(map, "mousemove", map.__latLngAtPoint(point.x, point.y));
    }, false);

    // The release may happen outside the map after a drag; it ends the drag
    // where it happens, whether or not the last move was reported.
    window.addEventListener("mouseup", function (domEvent) {
      if (!press || domEvent.button !== 0) return;
      if (press.dragging) dragTo(pointIn(div, domEvent));
      var done = press;
      press = null;
      if (done.dragging) {
        if (done.marker) fireAt(done.marker, "dragend", done.marker.getPosition());
        else {
          event.trigger(map, "dragend");
          map.__scheduleIdle();
        }
        return;
      }
      if (done.marker) {
        fireAt(done.marker, "mouseup", done.marker.getPosition());
        fireAt(done.marker, "click", done.marker.getPosition());
      } else {
        fireAt(map, "click", map.__latLngAtPoint(done.start.x, done.start.y));
      }
    }, false);

    div.addEventListener("dblclick", function (domEvent) {
      if (onOverlay(div, domEvent.target)) return;
      var point = pointIn(div, domEvent);
      var marker = clickableAt(point);
      if (marker) return fireAt(marker, "dblclick", marker.getPosition());
      var latLng = map.__latLngAtPoint(point.x, point.y);
      fireAt(map, "dblclick", latLng);
      if (option("disableDoubleClickZoom", false) !== true) {
        map.__center = latLng;
        map.setZoom(map.__zoom + 1);
      }
    }, false);

    div.addEventListener("contextmenu", function (domEvent) {
      domEvent.preventDefault();
      if (onOverlay(div, domEvent.target)) return;
      var point = pointIn(div, domEvent);
      var marker = clickableAt(point);
      if (marker) fireAt(marker, "rightclick", marker.getPosition());
      else fireAt(map, "rightclick", map.__latLngAtPoint(point.x, point.y));
    }, false);

    div.addEventListener("wheel", function (domEvent) {
      if (option("scrollwheel", true) === false) return;
      domEvent.preventDefault();
      if (domEvent.deltaY) map.setZoom(map.__zoom + (domEvent.deltaY < 0 ? 1 : -1));
    }, false);

    div.addEventListener("mouseenter", function (domEvent) {
      var point = pointIn(div, domEvent);
      fireAt(map, "mouseover", map.__latLngAtPoint(point.x, point.y));
    }, false);
    div.addEventListener("mouseleave", function (domEvent) {
      hover(null);
      var point = pointIn(div, domEvent);
      fireAt(map, "mouseout", map.__latLngAtPoint(point.x, point.y));
    }, false);

    // The map fills its element whatever size the window gives it.
    window.addEventListener("resize", function () { map.__render(); }, false);
  }

  // ---------------------------------------------------------------- map

  var CONTROLS = [
    { name: "pan", option: "panControl", on: true },
    { name: "zoom", option: "zoomControl", on: true, styles: ZoomControlStyle },
    { name: "mapType", option: "mapTypeControl", on: true, styles: MapTypeControlStyle },
    { name: "scale", option: "scaleControl", on: false },
    { name: "streetView", option: "streetViewControl", on: true },
    { name: "overviewMap", option: "overviewMapControl", on: false }
  ];
  var BOOLEAN_OPTIONS = ["draggable", "disableDoubleClickZoom", "keyboardShortcuts", "scrollwheel",
    "disableDefaultUI", "panControl", "zoomControl", "mapTypeControl", "scaleControl", "streetViewControl",
    "overviewMapControl"];

  function checkOptions(options) {
    for (var i = 0; i < BOOLEAN_OPTIONS.length; ++i) {
      var name = BOOLEAN_OPTIONS[i];
      if (name in options && typeof options[name] !== "boolean") {
        problem("map option " + name + " is " + JSON.stringify(options[name]) + ", not a boolean");
      }
    }
    for (var c = 0; c < CONTROLS.length; ++c) {
      var controlOptions = options[CONTROLS[c].option + "Options"];
      if (!controlOptions) continue;
      if ("position" in controlOptions && !isOneOf(controlOptions.position, ControlPosition)) {
        problem(CONTROLS[c].option + "Options.position " + JSON.stringify(controlOptions.position) +
                " is not a control position");
      }
      if ("style" in controlOptions && CONTROLS[c].styles && !isOneOf(controlOptions.style, CONTROLS[c].styles)) {
        problem(CONTROLS[c].option + "Options.style " + JSON.stringify(controlOptions.style) + " is not a style");
      }
      if ("opened" in controlOptions && typeof controlOptions.opened !== "boolean") {
        problem(CONTROLS[c].option + "Options.opened is not a boolean");
      }
    }
    var navigation = options.navigationControlOptions;
    if (navigation && "style" in navigation && !isOneOf(navigation.style, NavigationControlStyle)) {
      problem("navigationControlOptions.style " + JSON.stringify(navigation.style) + " is not a style");
    }
    if ("mapTypeId" in options && !isOneOf(options.mapTypeId, MapTypeId)) {
      problem("mapTypeId " + JSON.stringify(options.mapTypeId) + " is not a map type");
    }
    if ("zoom" in options && typeof options.zoom !== "number") {
      problem("zoom " + JSON.stringify(options.zoom) + " is not a number");
    }
    if ("center" in options && !(options.center instanceof LatLng)) problem("center is not a LatLng");
  }

  function mergeOptions(target, source) {
    for (var key in source) {
      var value = source[key];
      if (value && typeof value === "object" && !(value instanceof LatLng) && !value.nodeType) {
        target[key] = mergeOptions(target[key] && typeof target[key] === "object" ? target[key] : {}, value);
      } else {
        target[key] = value;
      }
    }
    return target;
  }

  function Map(div, options) {
    if (!div || !div.appendChild) problem("new Map() was given no element");
    this.__div = div;
    this.__options = {};
    this.__center = new LatLng(0, 0);
    this.__zoom = 0;
    this.__mapTypeId = MapTypeId.ROADMAP;
    // Markers in the order they were put on the map. A removed marker leaves
    // its slot until the list is next read (__liveMarkers), so that taking
    // thousands of markers off one by one costs no more than the list's length.
    this.__markers = [];
    this.__markersStale = false;
    this.__drawn = [];
    this.__infoWindows = [];
    this.__layers = [];
    this.__idlePending = false;
    this.__drawPending = false;
    this.__drawMs = 0;
    this.__streetView = new StreetViewPanorama(this);
    createdMaps.push(this);
    this.setOptions(options || {});
    if (div && div.addEventListener) listenToMouse(this, div);
    var map = this;
    later(function () {
      event.trigger(map, "tilesloaded");
      map.__scheduleIdle();
    });
  }

  Map.prototype.__scheduleIdle = function () {
    if (this.__idlePending) return;
    this.__idlePending = true;
    var map = this;
    later(function () {
      map.__idlePending = false;
      event.trigger(map, "idle");
    });
  };

  Map.prototype.__moved = function (center) {
    this.__center = center;
    this.__render();
    event.trigger(this, "center_changed");
    this.__scheduleIdle();
  };

  Map.prototype.__liveMarkers = function () {
    if (this.__markersStale) {
      var map = this;
      this.__markers = this.__markers.filter(function (marker) { return marker.__map === map; });
      this.__markersStale = false;
    }
    return this.__markers;
  };

  Map.prototype.getDiv = function () { return this.__div; };
  Map.prototype.getCenter = function () { return this.__center; };
  Map.prototype.setCenter = function (latLng) { this.__moved(latLng); };
  Map.prototype.panTo = function (latLng) {
    if (!(latLng instanceof LatLng)) problem("panTo was given no LatLng");
    this.__moved(latLng);
  };
  Map.prototype.panBy = function (x, y) {
    if (typeof x !== "number" || typeof y !== "number") problem("panBy(" + x + ", " + y + ") needs two numbers");
    var at = project(this.__center, this.__zoom);
    this.__moved(unproject(at.x + Number(x), at.y + Number(y), this.__zoom));
  };
  Map.prototype.getZoom = function () { return this.__zoom; };
  Map.prototype.setZoom = function (zoom) {
    zoom = Math.max(0, Math.min(MAX_ZOOM, Math.round(Number(zoom))));
    if (isNaN(zoom) || zoom === this.__zoom) return;
    this.__zoom = zoom;
    this.__render();
    event.trigger(this, "zoom_changed");
    this.__scheduleIdle();
  };
  Map.prototype.getMapTypeId = function () { return this.__mapTypeId; };
  Map.prototype.setMapTypeId = function (mapTypeId) {
    if (!isOneOf(mapTypeId, MapTypeId)) problem("setMapTypeId(" + JSON.stringify(mapTypeId) + ")");
    if (mapTypeId === this.__mapTypeId) return;
    this.__mapTypeId = mapTypeId;
    this.__render();
    event.trigger(this, "maptypeid_changed");
  };
  Map.prototype.getStreetView = function () { return this.__streetView; };
  Map.prototype.setOptions = function (options) {
    checkOptions(options);
    mergeOptions(this.__options, options);
    if (options.center instanceof LatLng) this.__center = options.center;
    if ("zoom" in options) this.__zoom = Math.max(0, Math.min(MAX_ZOOM, Math.round(Number(options.zoom)) || 0));
    if ("mapTypeId" in options && isOneOf(options.mapTypeId, MapTypeId)) this.__mapTypeId = options.mapTypeId;
    this.__render();
  };

  Map.prototype.__controlState = function (control) {
    var options = this.__options;
    var visible = control.option in options ? options[control.option] === true
                                              : control.on && options.disableDefaultUI !== true;
    var detail = options[control.option + "Options"] || {};
    return { visible: visible, position: detail.position || null, style: detail.style || null,
             opened: "opened" in detail ? detail.opened : null };
  };

  // ---------------------------------------------------------------- drawing

  var MAP_COLOURS = { roadmap: "#e9e5dc", satellite: "#3b5323", hybrid: "#4a6b3a", terrain: "#d7dfc2" };
  var MARKER_COLOURS = ["#d93025", "#1a73e8", "#188038", "#f29900", "#a142f4", "#12b5cb"];

  function box(parent, css, text) {
    var element = document.createElement("div");
    element.style.cssText = "position:absolute;box-sizing:border-box;" + css;
    if (text !== undefined) element.textContent = text;
    parent.appendChild(element);
    return element;
  }

  // Controls sharing a position are stacked, `slot` boxes away from the edge.
  function controlCss(position, slot) {
    var name = position || "TOP_LEFT";
    var offset = 6 + slot * 20;
    var vertical = /^(TOP|LEFT_TOP|RIGHT_TOP)/.test(name) ? "top:" + offset + "px;"
                 : /^(BOTTOM|LEFT_BOTTOM|RIGHT_BOTTOM)/.test(name) ? "bottom:" + offset + "px;"
                 : "top:calc(45% + " + (offset - 6) + "px);";
    var horizontal = /^(LEFT|TOP_LEFT|BOTTOM_LEFT)/.test(name) ? "left:6px;"
                   : /^(RIGHT|TOP_RIGHT|BOTTOM_RIGHT)/.test(name) ? "right:6px;" : "left:45%;";
    return vertical + horizontal;
  }

  // Changes come in bursts (a page puts thousands of markers on the map in one
  // script, or in a few scripts one after the other), so a change only marks
  // the map for drawing; it is drawn once, after the script that changed it.
  // A map that takes long to draw waits as long again before it draws anew,
  // so that scripts arriving meanwhile are not held up by drawings nobody sees.
  var SLOW_DRAW_MS = 16;

  Map.prototype.__render = function () {
    if (this.__drawPending) return;
    this.__drawPending = true;
    var map = this;
    var pause = this.__drawMs > SLOW_DRAW_MS ? this.__drawMs : 0;
    window.setTimeout(function () {
      map.__drawPending = false;
      var started = Date.now();
      map.__draw();
      map.__drawMs = Date.now() - started;
    }, pause);
  };

  Map.prototype.__draw = function () {
    var div = this.__div;
    if (!div || !div.appendChild) return;
    var width = div.clientWidth || 400;
    var height = div.clientHeight || 250;
    var zoom = this.__zoom;
    var origin = mapOrigin(this);
    var gridOffset = (-origin.x % 64 + 64) % 64 + "px " + (-origin.y % 64 + 64) % 64 + "px";

    var surface = document.createElement("div");
    surface.className = "standin-map";
    surface.style.cssText = "position:relative;width:100%;height:100%;overflow:hidden;font:11px sans-serif;" +
      "background-color:" + (MAP_COLOURS[this.__mapTypeId] || "#ccc") + ";" +
      "background-image:linear-gradient(rgba(0,0,0,.12) 1px,transparent 1px)," +
      "linear-gradient(90deg,rgba(0,0,0,.12) 1px,transparent 1px);" +
      "background-size:64px 64px;background-position:" + gridOffset + ";";

    var markers = this.__liveMarkers();
    this.__drawMarkers(surface, markers, origin, width, height);
    for (var w = 0; w < this.__infoWindows.length; ++w) {
      var infoWindow = this.__infoWindows[w];
      var anchor = infoWindow.__anchor && infoWindow.__anchor.__map === this
        ? markerPlace(infoWindow.__anchor, origin, zoom) : { x: width / 2, y: height / 2 };
      var bubble = box(surface, "left:" + (anchor.x - 90) + "px;top:" + Math.max(0, anchor.y - 90) + "px;" +
        "width:180px;min-height:60px;padding:6px 16px 6px 6px;background:#fff;border:1px solid #555;" +
        "z-index:1000;overflow:hidden;");
      bubble.className = "standin-info-window";
      // The content is HTML by contract; the page decides what goes into it.
      var content = document.createElement("div");
      content.innerHTML = String(infoWindow.getContent() === undefined ? "" : infoWindow.getContent());
      bubble.appendChild(content);
      var closer = box(bubble, "right:2px;top:0;cursor:pointer;", "\u00d7");
      closer.addEventListener("click", infoWindow.__closeClicked.bind(infoWindow), false);
    }

    var slots = {};
    for (var c = 0; c < CONTROLS.length; ++c) {
      var state = this.__controlState(CONTROLS[c]);
      if (!state.visible) continue;
      var place = state.position || "TOP_LEFT";
      slots[place] = (slots[place] || 0) + 1;
      box(surface, controlCss(place, slots[place] - 1) + "padding:1px 3px;background:#fff;border:1px solid #888;" +
        "z-index:1001;", CONTROLS[c].name).className = "standin-control";
    }

    var layerNames = [];
    for (var l = 0; l < this.__layers.length; ++l) layerNames.push(this.__layers[l].__name);
    if (layerNames.length) {
      box(surface, "left:45%;bottom:6px;padding:1px 3px;background:#ffd;border:1px solid #886;z-index:1001;",
          layerNames.join(" + ")).className = "standin-layers";
    }

    var panorama = this.__streetView;
    if (panorama.getVisible()) {
      var cover = box(surface, "left:0;top:0;right:0;bottom:0;background:#223;color:#fff;padding:12px;" +
        "z-index:2000;", "Street view " + (panorama.getPano() || "") + " " +
        String(panorama.getPosition() || ""));
      cover.className = "standin-street-view";
    }

    while (div.firstChild) div.removeChild(div.firstChild);
    div.appendChild(surface);
  };

  function markerPlace(marker, origin, zoom) {
    var at = project(marker.getPosition() || marker.__map.__center, zoom);
    return { x: at.x - origin.x, y: at.y - origin.y };
  }

  // Titles are written only while so few markers are in view that they can be read.
  var MAX_TITLES = 500;
  var MARKER_SIZE = 12;

  // Markers in view are drawn on one canvas, in z-index order (later markers
  // over earlier ones at the same z-index), so that a map of a hundred
  // thousand markers draws in one pass. Returns what was drawn, topmost last,
  // for the mouse to find markers by.
  Map.prototype.__drawMarkers = function (surface, markers, origin, width, height) {
    var drawn = [];
    for (var i = 0; i < markers.length; ++i) {
      var marker = markers[i];
      if (!marker.getVisible()) continue;
      var at = markerPlace(marker, origin, this.__zoom);
      if (at.x < -MARKER_SIZE || at.y < 0 || at.x > width + MARKER_SIZE || at.y > height + MARKER_SIZE) continue;
      drawn.push({ marker: marker, index: i, x: at.x, y: at.y, z: Number(marker.getZIndex()) || 0 });
    }
    drawn.sort(function (a, b) { return a.z - b.z || a.index - b.index; });
    this.__drawn = drawn;

    var canvas = document.createElement("canvas");
    canvas.className = "standin-markers";
    canvas.width = width;
    canvas.height = height;
    canvas.style.cssText = "position:absolute;left:0;top:0;z-index:10;";
    surface.appendChild(canvas);
    var context = canvas.getContext("2d");
    if (!context) return drawn;
    var withTitles = drawn.length <= MAX_TITLES;
    context.font = "11px sans-serif";
    context.textBaseline = "top";
    for (var d = 0; d < drawn.length; ++d) {
      var item = drawn[d];
      var left = Math.round(item.x) - MARKER_SIZE / 2;
      var top = Math.round(item.y) - MARKER_SIZE;
      var bouncing = item.marker.getAnimation() === Animation.BOUNCE;
      context.fillStyle = "#000";
      context.fillRect(left, top, MARKER_SIZE, MARKER_SIZE);
      var border = bouncing ? 3 : 1;
      context.fillStyle = MARKER_COLOURS[item.index % MARKER_COLOURS.length];
      context.fillRect(left + border, top + border, MARKER_SIZE - 2 * border, MARKER_SIZE - 2 * border);
      var title = item.marker.getTitle();
      if (withTitles && title) {
        var text = String(title);
        var textWidth = context.measureText(text).width;
        context.fillStyle = "#fff";
        context.fillRect(left + MARKER_SIZE + 2, top - 2, textWidth + 4, 14);
        context.fillStyle = "#000";
        context.fillText(text, left + MARKER_SIZE + 4, top - 1);
      }
    }
    return drawn;
  };

  // The topmost marker drawn under the point of the map's element, or null.
  Map.prototype.__markerAtPoint = function (x, y) {
    for (var d = this.__drawn.length - 1; d >= 0; --d) {
      var item = this.__drawn[d];
      if (item.marker.__map !== this || !item.marker.getVisible()) continue;
      var left = Math.round(item.x) - MARKER_SIZE / 2;
      var top = Math.round(item.y) - MARKER_SIZE;
      if (x >= left && x < left + MARKER_SIZE && y >= top && y < top + MARKER_SIZE) return item.marker;
    }
    return null;
  };

  // Where the map element's top left corner lies, in world pixels.
  function mapOrigin(map) {
    var centre = project(map.__center, map.__zoom);
    return { x: centre.x - (map.__div.clientWidth || 400) / 2, y: centre.y - (map.__div.clientHeight || 250) / 2 };
  }

  // The place on the map under a point of the map's element.
  Map.prototype.__latLngAtPoint = function (x, y) {
    var origin = mapOrigin(this);
    return unproject(origin.x + x, origin.y + y, this.__zoom);
  };

  // ---------------------------------------------------------------- markers

  function Marker(options) {
    options = options || {};
    this.__map = null;
    this.__position = options.position || null;
    this.title = options.title === undefined ? "" : options.title;
    this.__draggable = !!options.draggable;
    this.__visible = options.visible !== false;
    this.__clickable = options.clickable !== false;
    this.__flat = !!options.flat;
    this.__icon = options.icon === undefined ? null : options.icon;
    this.__zIndex = options.zIndex === undefined ? null : options.zIndex;
    this.__animation = options.animation === undefined ? null : options.animation;
    if (this.__position && !(this.__position instanceof LatLng)) problem("Marker position is not a LatLng");
    var flags = ["draggable", "visible", "clickable", "flat"];
    for (var i = 0; i < flags.length; ++i) {
      if (flags[i] in options && typeof options[flags[i]] !== "boolean") {
        problem("Marker option " + flags[i] + " is " + JSON.stringify(options[flags[i]]) + ", not a boolean");
      }
    }
    if (options.map) this.setMap(options.map);
  }

  Marker.prototype.__changed = function () {
    if (this.__map) this.__map.__render();
  };
  Marker.prototype.setMap = function (map) {
    // Putting a marker again on its own map keeps its place in the map's order.
    if ((map || null) === this.__map) return;
    if (this.__map) {
      this.__map.__markersStale = true;
      this.__map.__render();
    }
    this.__map = map || null;
    if (this.__map) {
      this.__map.__liveMarkers().push(this);
      this.__map.__render();
    }
  };
  Marker.prototype.getMap = function () { return this.__map; };
  Marker.prototype.getPosition = function () { return this.__position; };
  Marker.prototype.setPosition = function (latLng) {
    if (!(latLng instanceof LatLng)) problem("setPosition was given no LatLng");
    this.__position = latLng;
    this.__changed();
    event.trigger(this, "position_changed");
  };
  Marker.prototype.getTitle = function () { return this.title; };
  Marker.prototype.setTitle = function (title) { this.title = title; this.__changed(); };
  Marker.prototype.getVisible = function () { return this.__visible; };
  Marker.prototype.setVisible = function (visible) { this.__visible = !!visible; this.__changed(); };
  Marker.prototype.getDraggable = function () { return this.__draggable; };
  Marker.prototype.setDraggable = function (draggable) { this.__draggable = !!draggable; };
  Marker.prototype.getClickable = function () { return this.__clickable; };
  Marker.prototype.setClickable = function (clickable) { this.__clickable = !!clickable; };
  Marker.prototype.getFlat = function () { return this.__flat; };
  Marker.prototype.setFlat = function (flat) { this.__flat = !!flat; };
  Marker.prototype.getIcon = function () { return this.__icon; };
  Marker.prototype.setIcon = function (icon) { this.__icon = icon; this.__changed(); };
  Marker.prototype.getZIndex = function () { return this.__zIndex; };
  Marker.prototype.setZIndex = function (zIndex) { this.__zIndex = zIndex; this.__changed(); };
  Marker.prototype.getAnimation = function () { return this.__animation; };
  Marker.prototype.setAnimation = function (animation) {
    if (animation !== null && animation !== undefined && animationName(animation) === null) {
      problem("setAnimation(" + JSON.stringify(animation) + ")");
    }
    this.__animation = animation === undefined ? null : animation;
    this.__changed();
  };

  // ---------------------------------------------------------------- info windows

  function InfoWindow(options) {
    options = options || {};
    this.__content = options.content;
    this.__map = null;
    this.__anchor = null;
  }

  InfoWindow.prototype.getContent = function () { return this.__content; };
  InfoWindow.prototype.setContent = function (content) {
    this.__content = content;
    if (this.__map) this.__map.__render();
  };
  InfoWindow.prototype.open = function (map, anchor) {
    if (this.__map) this.close();
    this.__map = map || null;
    this.__anchor = anchor || null;
    if (this.__map) {
      this.__map.__infoWindows.push(this);
      this.__map.__render();
    }
  };
  InfoWindow.prototype.close = function () {
    if (!this.__map) return;
    var list = this.__map.__infoWindows;
    list.splice(list.indexOf(this), 1);
    this.__map.__render();
    this.__map = null;
  };
  InfoWindow.prototype.getMap = function () { return this.__map; };
  InfoWindow.prototype.__closeClicked = function () {
    this.close();
    event.trigger(this, "closeclick");
  };

  // ---------------------------------------------------------------- street view

  var streetViewStatus = StreetViewStatus.OK;
  var panoramaLocations = {};
  var panoramaCount = 0;

  function StreetViewService() {}
  StreetViewService.prototype.getPanoramaByLocation = function (latLng, radius, callback) {
    if (!(latLng instanceof LatLng)) problem("getPanoramaByLocation was given no LatLng");
    if (typeof radius !== "number") problem("getPanoramaByLocation radius " + JSON.stringify(radius));
    var status = streetViewStatus;
    later(function () {
      if (status !== StreetViewStatus.OK) {
        callback(null, status);
        return;
      }
      var pano = "standin-pano-" + (++panoramaCount);
      panoramaLocations[pano] = latLng;
      callback({ location: { pano: pano, latLng: latLng, description: "" }, copyright: "" }, status);
    });
  };

  function StreetViewPanorama(map) {
    this.__map = map;
    this.__visible = false;
    this.__pano = null;
    this.__position = null;
    this.__pov = { heading: 0, pitch: 0, zoom: 1 };
  }

  StreetViewPanorama.prototype.__moveTo = function (latLng) {
    this.__position = latLng;
    this.__map.__render();
    event.trigger(this, "position_changed");
  };
  StreetViewPanorama.prototype.getPano = function () { return this.__pano; };
  StreetViewPanorama.prototype.setPano = function (pano) {
    this.__pano = pano;
    var panorama = this;
    later(function () {
      event.trigger(panorama, "pano_changed");
      if (panoramaLocations[pano]) panorama.__moveTo(panoramaLocations[pano]);
    });
  };
  StreetViewPanorama.prototype.getPosition = function () { return this.__position; };
  StreetViewPanorama.prototype.setPosition = function (latLng) { this.__moveTo(latLng); };
  StreetViewPanorama.prototype.getPov = function () { return this.__pov; };
  StreetViewPanorama.prototype.setPov = function (pov) {
    pov = pov || {};
    var fields = ["heading", "pitch", "zoom"];
    for (var i = 0; i < fields.length; ++i) {
      if (typeof pov[fields[i]] !== "number" || isNaN(pov[fields[i]])) {
        problem("setPov " + fields[i] + " is " + JSON.stringify(pov[fields[i]]) + ", not a number");
      }
    }
    this.__pov = { heading: pov.heading, pitch: pov.pitch, zoom: pov.zoom };
  };
  StreetViewPanorama.prototype.getVisible = function () { return this.__visible; };
  StreetViewPanorama.prototype.setVisible = function (visible) {
    this.__visible = !!visible;
    this.__map.__render();
    event.trigger(this, "visible_changed");
  };

  // ---------------------------------------------------------------- layers

  function defineLayer(name) {
    function Layer() { this.__map = null; this.__name = name; }
    Layer.prototype.getMap = function () { return this.__map; };
    Layer.prototype.setMap = function (map) {
      if (map !== null && map !== undefined && !(map instanceof Map)) problem(name + " layer setMap(" + map + ")");
      if (this.__map) {
        this.__map.__layers.splice(this.__map.__layers.indexOf(this), 1);
        this.__map.__render();
      }
      this.__map = map || null;
      if (this.__map) {
        this.__map.__layers.push(this);
        this.__map.__render();
      }
    };
    return Layer;
  }

  window.google = window.google || {};
  window.google.maps = {
    event: event,
    LatLng: LatLng,
    Point: Point,
    Map: Map,
    Marker: Marker,
    InfoWindow: InfoWindow,
    StreetViewService: StreetViewService,
    StreetViewPanorama: StreetViewPanorama,
    TrafficLayer: defineLayer("traffic"),
    BicyclingLayer: defineLayer("bicycling"),
    panoramio: { PanoramioLayer: defineLayer("panoramio") },
    MapTypeId: MapTypeId,
    ControlPosition: ControlPosition,
    NavigationControlStyle: NavigationControlStyle,
    ZoomControlStyle: ZoomControlStyle,
    MapTypeControlStyle: MapTypeControlStyle,
    Animation: Animation,
    StreetViewStatus: StreetViewStatus
  };

  // ---------------------------------------------------------------- test API
  //
  // Every event the page listens to can be fired from here, as a user or the
  // library would cause it; state() reports what the page has made of the map.
  // Indexes of markers are their places on the map, in the order they were
  // put there (removed markers leave the list, later ones move down).

  var MOUSE_EVENTS = { click: 1, rightclick: 1, dblclick: 1, mousemove: 1, mouseout: 1, mouseover: 1,
                       mousedown: 1, mouseup: 1 };
  var DRAG_EVENTS = { dragstart: 1, drag: 1, dragend: 1 };

  function currentMap() {
    if (!createdMaps.length) throw new Error("the page has not created a map");
    return createdMaps[createdMaps.length - 1];
  }

  function markerAt(index) {
    var markers = currentMap().__liveMarkers();
    if (!(index >= 0 && index < markers.length)) throw new Error("no marker at index " + index);
    return markers[index];
  }

  function hasCoordinates(lat, lng) {
    return lat !== undefined && lat !== null && lng !== undefined && lng !== null;
  }

  window.__standin = {
    // Map events: mouse events carry {latLng} when lat and lng are given;
    // drag events move the centre to (lat, lng) first when they are given;
    // any other name is triggered without arguments.
    fireMap: function (name, lat, lng) {
      var map = currentMap();
      if (MOUSE_EVENTS[name]) {
        if (hasCoordinates(lat, lng)) event.trigger(map, name, { latLng: new LatLng(lat, lng) });
        else event.trigger(map, name);
      } else {
        if (DRAG_EVENTS[name] && hasCoordinates(lat, lng)) map.__moved(new LatLng(lat, lng));
        event.trigger(map, name);
      }
    },
    // As the mouse wheel or the zoom control would.
    zoomTo: function (level) { currentMap().setZoom(level); },
    // As the map-type control would.
    selectMapType: function (mapTypeId) { currentMap().setMapTypeId(mapTypeId); },
    // Marker events carry {latLng} of the marker; drag events move the marker
    // to (lat, lng) first when they are given.
    fireMarker: function (index, name, lat, lng) {
      var marker = markerAt(index);
      if (DRAG_EVENTS[name] && hasCoordinates(lat, lng)) marker.setPosition(new LatLng(lat, lng));
      event.trigger(marker, name, { latLng: marker.getPosition() });
    },
    // Clicks the close button of the info window open on the marker; false
    // when none is open there.
    fireInfoWindowClose: function (index) {
      var marker = markerAt(index);
      var open = currentMap().__infoWindows;
      for (var i = 0; i < open.length; ++i) {
        if (open[i].__anchor === marker) {
          open[i].__closeClicked();
          return true;
        }
      }
      return false;
    },
    // The status the street-view lookup answers from now on.
    setStreetViewStatus: function (status) {
      if (!isOneOf(status, StreetViewStatus)) throw new Error("unknown street view status " + status);
      streetViewStatus = status;
    },
    // As walking in the panorama would.
    movePanorama: function (lat, lng) { currentMap().getStreetView().setPosition(new LatLng(lat, lng)); },
    problems: function () { return problems.slice(); },
    state: function () {
      var map = currentMap();
      var markers = [];
      var all = map.__liveMarkers();
      for (var i = 0; i < all.length; ++i) {
        var m = all[i];
        markers.push({ title: m.getTitle(), position: plainLatLng(m.getPosition()), visible: m.getVisible(),
                       draggable: m.getDraggable(), clickable: m.getClickable(), flat: m.getFlat(),
                       icon: m.getIcon(), zIndex: m.getZIndex(), animation: animationName(m.getAnimation()) });
      }
      var infoWindows = [];
      for (var w = 0; w < map.__infoWindows.length; ++w) {
        var infoWindow = map.__infoWindows[w];
        infoWindows.push({ marker: all.indexOf(infoWindow.__anchor),
                           content: String(infoWindow.getContent()) });
      }
      var controls = {};
      for (var c = 0; c < CONTROLS.length; ++c) controls[CONTROLS[c].name] = map.__controlState(CONTROLS[c]);
      var layers = { traffic: false, bicycling: false, panoramio: false };
      for (var l = 0; l < map.__layers.length; ++l) layers[map.__layers[l].__name] = true;
      var panorama = map.getStreetView();
      return {
        maps: createdMaps.length,
        center: plainLatLng(map.getCenter()),
        zoom: map.getZoom(),
        mapTypeId: map.getMapTypeId(),
        options: JSON.parse(JSON.stringify(map.__options, function (key, value) {
          return value instanceof LatLng ? plainLatLng(value) : value;
        })),
        controls: controls,
        markers: markers,
        drawnMarkers: map.__drawn.length,
        infoWindows: infoWindows,
        layers: layers,
        streetView: { visible: panorama.getVisible(), pano: panorama.getPano(),
                      position: plainLatLng(panorama.getPosition()), pov: panorama.getPov() },
        listeners: { map: listenerCounts(map), panorama: listenerCounts(panorama) },
        problems: problems.slice()
      };
    }
  };
})(window);
