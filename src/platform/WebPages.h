#pragma once

namespace platform::web {

// The two web pages the People Finder and Zip Code Finder commands open.
inline constexpr char kPeopleFinder[] = "https://www.whitepages.com/";
inline constexpr char kZipCodeFinder[] = "https://tools.usps.com/zip-code-lookup.htm?byaddress";

}  // namespace platform::web
