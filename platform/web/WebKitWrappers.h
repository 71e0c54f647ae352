// Owning pointers for WebKit's objects, beside GLib's (platform/rtl/GLibWrappers.h) and
// Cairo's (platform/graphics/CairoWrappers.h). Included only by the browser's .cpp files.
#pragma once

#include "platform/rtl/GLibWrappers.h"

#include <webkit2/webkit2.h>

#include <memory>

namespace web {

using JSCValuePtr = rtl::GObjectPtr<JSCValue>;

struct ProxySettingsFreer {
    void operator()(WebKitNetworkProxySettings* settings) const noexcept { webkit_network_proxy_settings_free(settings); }
};
using ProxySettingsPtr = std::unique_ptr<WebKitNetworkProxySettings, ProxySettingsFreer>;

} // namespace web
