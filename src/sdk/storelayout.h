#pragma once

#include "macroeventrecord.h"

#include <pugixml.hpp>

#include <QList>

// Element and attribute names of the store files, and the pieces of layout that more than one
// group of calls reads or writes.
namespace storelayout {

constexpr const char *kCurrentProfile = "currentProfile";
constexpr const char *kProfile = "profile";
constexpr const char *kIndex = "index";
constexpr const char *kName = "name";
constexpr const char *kKey = "key";
constexpr const char *kCode = "code";
constexpr const char *kValue = "value";
constexpr const char *kBoundMacro = "boundMacro";
constexpr const char *kMacro = "macro";
constexpr const char *kEvent = "event";
constexpr const char *kCodeName = "codeName";
constexpr const char *kLight = "light";
constexpr const char *kLightInUse = "lightInUse";
constexpr const char *kLightStatus = "lightStatus";
constexpr const char *kCustomLed = "customLed";
constexpr const char *kItem = "item";
constexpr const char *kWinLock = "winLock";
constexpr const char *kSleep = "sleep";
constexpr const char *kSeniorKeys = "seniorKeys";
constexpr const char *kSeniorKey = "seniorKey";

// Index texts are short decimal numbers; the profile index is read back into 8 bytes.
constexpr std::size_t kProfileIndexMax = 7;
constexpr std::size_t kIndexMax = 15;

// True for a decimal index text that fits `maxBytes`.
bool isIndexText(const char *text, std::size_t maxBytes = kIndexMax);

pugi::xml_node profileNode(pugi::xml_document *doc, const char *index);

// Macro events, as both the macro store and a profile's bound copies keep them.
bool eventFits(const MacroEventRecord &record);
void writeEvent(pugi::xml_node event, const MacroEventRecord &record);
void readEvent(pugi::xml_node event, MacroEventRecord *record);
void appendEvents(pugi::xml_node parent, QList<MacroEventRecord> *events);

} // namespace storelayout
