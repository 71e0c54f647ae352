// The geocoding component: one address in, latitude, longitude and location type out.
#pragma once

#include "platform/classes/Component.h"
#include "platform/net/HttpClient.h"
#include "platform/xml/XmlDocument.h"

#include <cstdint>
#include <string>
#include <string_view>

enum TGeocodingResult {
    erOk,
    erZeroResults,
    erOverQueryLimit,
    erRequestDenied,
    erInvalidRequest,
    erOtherProblem,
};

// How precise a geocoding result is.
enum TLocationType {
    ltRoofTop,
    ltRangeInterpolated,
    ltGeometricCenter,
    ltApproximate,
    ltNotInitialize,
};

// The base of the map's geocoding components.
class TGeolithGeocodingService : public TComponent {
    VISTRA_CLASS(TGeolithGeocodingService, TComponent)
    using TComponent::TComponent;
};

class TGeolithGeocoding : public TGeolithGeocodingService {
    VISTRA_CLASS(TGeolithGeocoding, TGeolithGeocodingService)

    explicit TGeolithGeocoding(TComponent* AOwner);

    // The service is reached at its public address; the HTTP client takes a
    // proxy from http_proxy, which is also how tests answer in its place.
    static constexpr std::string_view ServiceHost = "http://maps.googleapis.com";
    static constexpr std::string_view ServicePath = "/maps/api/geocode/xml?address=";

    const std::string& Address() const noexcept { return FAddress; }
    void SetAddress(const std::string& Value) { FAddress = Value; }
    double ResultLatitude() const noexcept { return FResultLatitude; }
    double ResultLongitude() const noexcept { return FResultLongitude; }
    TLocationType ResultLocationType() const noexcept { return FResultLocationType; }

    // "1.0.0.0"; the setter exists for stored forms and ignores its value.
    std::string Version() const;
    void SetVersion(const std::string&) {}
    // One byte each, most significant first: major, minor, release, build.
    virtual std::uint32_t GetVersionNr() const;

    // Sends one blocking request for Address. On erOk the three result
    // properties hold the answer; on other results the latitude and longitude
    // keep their earlier values. Never raises: every failure (no connection,
    // a time-out, an HTTP error, a reply that is not XML) is erOtherProblem.
    TGeocodingResult LaunchGeocoding();

    // The time-outs and size limit of the request. The defaults keep a stalled
    // service from freezing the caller for long; tests shorten them.
    const net::HttpOptions& RequestOptions() const noexcept { return FRequestOptions; }
    void SetRequestOptions(const net::HttpOptions& Value) { FRequestOptions = Value; }

    // The address as a query value: UTF-8 bytes of non-ASCII characters,
    // controls, blanks and characters that end or alter a query value
    // ("&", "+", "=", "#", "%" ...) become %XX.
    static std::string EncodeAddress(std::string_view Address);
    // Depth-first search from Node for a text element or an attribute called
    // Name (ASCII letters compared without case); a null node when none.
    static xml::Node FindXmlNode(const xml::Node& Node, std::string_view Name);
    // Converts a number written with "." as decimal point under the current
    // number settings; raises EConvertError for a text that is not a number.
    static double XmlStrToFloat(std::string_view Text);

private:
    TGeocodingResult ReadReply(const xml::Document& Reply);

    std::string FAddress;
    double FResultLatitude = 0;
    double FResultLongitude = 0;
    TLocationType FResultLocationType = ltNotInitialize;
    net::HttpOptions FRequestOptions;
};
