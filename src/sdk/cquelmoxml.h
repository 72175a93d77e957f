#pragma once

// The profile, macro and advanced-key store of the keyboard SDK stand-in.
//
// Conventions of every call:
// - `path` is a store file path in the local 8-bit encoding; `index` a profile index as decimal
//   text; names and free texts are UTF-8; numbers travel as decimal text.
// - Containers are created empty by the caller; the store only appends to them.
// - Records the store fills are left untouched when there is nothing to fill them with, so the
//   caller's "-1" (or other) pre-fill survives a miss.
// - A text XML cannot hold (invalid UTF-8, control characters other than TAB/LF/CR) or too long
//   for the record field it is read back into is refused: the call returns false and changes
//   nothing.
// - Results: true/false for success, -1 for failure where the result is a number. Calls run on the
//   GUI thread.

#include "colorinfodata.h"
#include "customlightitem.h"
#include "customlightnode.h"
#include "keyoperateinfo.h"
#include "macroeventrecord.h"
#include "macronode.h"
#include "profilenodeinfo.h"
#include "seniorkeyinfostu.h"

#include <QList>
#include <QStringList>

#include <string>
#include <utility>
#include <vector>

using ProfileNodeList = std::vector<std::pair<std::string, std::string>>;

// 0 on success.
int CQuelmoXML_Init();

// Store files and the stored current profile index.
bool CQuelmoXML_CreateXMLFile(const char *path);
int CQuelmoXML_GetCreateXMLFileProfileIndex(const char *path); // -1 when none
bool CQuelmoXML_ModifyXMLFileProfileIndex(const char *path, int index);

// Profile nodes.
bool CQuelmoXML_SelectProFileAllNodes(const char *path, ProfileNodeList *nodes);
bool CQuelmoXML_IsExistenceSelectProfileNode(const char *path, const char *index);
bool CQuelmoXML_CreateProFileXmlParentNode(const char *path, const char *index, const char *name,
                                           int reserved);
bool CQuelmoXML_DeleteProFileSelectedNode(const char *path, const char *index);
bool CQuelmoXML_SelectProfileNodeInfo(const char *path, const char *index, ProfileNodeInfo *info);
bool CQuelmoXML_ModifyProfileNodeInfo(const char *path, const char *index, const char *name);
bool CQuelmoXML_ProFileExport(const char *path, const char *targetPath, const char *index, int reserved);
bool CQuelmoXML_ProFileImport(const char *path, const char *sourcePath, const char *sourceIndex);

// Key-function items.
bool CQuelmoXML_SelectProFileKeyOperateInfo(const char *path, const char *index, const char *keyCode,
                                            KeyOperateInfo *info);
bool CQuelmoXML_AddProFileMacroWithKeyInfoItem(const char *path, const char *index, const char *keyCode,
                                               const char *keyName, const char *type, const char *repeat,
                                               const char *playMode, const char *value);
bool CQuelmoXML_DeleteProFileMacroWithKeyInfoItem(const char *path, const char *index, const char *keyCode,
                                                  const char *keyName);
bool CQuelmoXML_ProFileKeyInfoSelectAll(const char *path, const char *index, QStringList *keyCodes);
int CQuelmoXML_GetProFileValueNum(const char *path, const char *index, const char *type, const char *value);

// The profile's copies of bound macros.
bool CQuelmoXML_AddProFileBindMacroItem(const char *path, const char *index, QList<MacroEventRecord> events,
                                        const char *macroIndex, const char *name);
bool CQuelmoXML_DeleteProFileBindMacroNode(const char *path, const char *index, const char *macroIndex,
                                           const char *name);
bool CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(const char *path, const char *index, const char *macroIndex,
                                                 const char *name, QList<MacroEventRecord> *events);

// The macro store.
bool CQuelmoXML_SelectMacroAllNodes(const char *path, std::vector<MacroNode> *nodes);
bool CQuelmoXML_SelectAllKeyOrMouseEvent(const char *path, const char *macroIndex,
                                         QList<MacroEventRecord> *events);
bool CQuelmoXML_CreateMacroXmlParentNode(const char *path, const char *macroIndex, const char *name);
bool CQuelmoXML_DeleteMacroNode(const char *path, const char *macroIndex);
bool CQuelmoXML_ModifyMacroNodeName(const char *path, const char *macroIndex, const char *name);
bool CQuelmoXML_AddKeyOrMouseEventItem(const char *path, QList<MacroEventRecord> events,
                                       const char *macroIndex);
// Replaces all events of a macro in one write; its name and place in the store stay.
bool CQuelmoXML_ReplaceMacroEvents(const char *path, const char *macroIndex,
                                   const QList<MacroEventRecord> &events);
bool CQuelmoXML_DeleteEventItem(const char *path, const char *macroIndex, const char *mark);
// side: 0 the "down" event of the mark, 1 the other one.
bool CQuelmoXML_UpdateEventItem(const char *path, const char *macroIndex, const char *mark, int side,
                                MacroEventRecord record);
// direction: 1 one place earlier, 0 one place later.
bool CQuelmoXML_MacroEventItemUpOrDownOperate(const char *path, const char *macroIndex, const char *mark,
                                              int direction, int side);

// Light items (target 0 keys, 1 side light, 2 third target) and light state.
bool CQuelmoXML_IsProFileAlreadyHaveLightInfo(const char *path, const char *index, int hidType, int ledType);
bool CQuelmoXML_AddProFileLightInfoItem(const char *path, const char *index, colorInfoData data);
bool CQuelmoXML_ModifyProFileLightInfoItem(const char *path, const char *index, int hidType, int ledType,
                                           colorInfoData data);
// Fills 14 ints (the colorInfoData order) when the item exists.
bool CQuelmoXML_SelectProfileColorDataInfo(const char *path, const char *index, int hidType, int ledType,
                                           int *values);
bool CQuelmoXML_ModifyProFileMouseLightUsingIndex(const char *path, const char *index, int hidType,
                                                  int ledType);
// The light type in use for the target: the stored one, else the type of the target's first light
// item, else -1.
int CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(const char *path, const char *index, int hidType);
int CQuelmoXML_SelectProFileLightTypeRuningStatus(const char *path, const char *index);  // 0 when unset
int CQuelmoXML_SelectProFileLightSynchronizeStatus(const char *path, const char *index); // 0 when unset
bool CQuelmoXML_ModifyProFileLightSynchronizeStatus(const char *path, const char *index, int status);

// Custom colour schemes of a profile.
bool CQuelmoXML_AddProFileCustomLightNode(const char *path, const char *index, const char *scheme,
                                          const char *name, const char *usingStatus, int usingFlagIndex);
bool CQuelmoXML_AddProFileCustomLightDataInfo(const char *path, const char *index, const char *scheme,
                                              CustomLightItem item);
bool CQuelmoXML_ClearProFileCustomLightNode(const char *path, const char *index, const char *scheme);
// Replaces all LEDs of a scheme in one write; nothing changes when any item is refused.
bool CQuelmoXML_ReplaceProFileCustomLightDataInfo(const char *path, const char *index, const char *scheme,
                                                  const QList<CustomLightItem> &items);
bool CQuelmoXML_ProFileCustomLightInfoSelectAll(const char *path, const char *index, const char *scheme,
                                                QList<CustomLightItem> *items);
bool CQuelmoXML_SelectProFileCustomLightAllNodes(const char *path, const char *index,
                                                 QList<CustomLightNode> *nodes);
bool CQuelmoXML_ModifyProFileCustomLightNodeName(const char *path, const char *index, const char *scheme,
                                                 const char *name);
bool CQuelmoXML_ModifyProFileCustomLightNodeUsingStatus(const char *path, const char *index,
                                                        const char *scheme, const char *usingStatus,
                                                        int usingFlagIndex);
// Reads one scheme of a default custom-light resource file (<customLight><customLed><item>).
bool CQuelmoXML_XmlCustomLightInfoSelectAll(const char *file, const char *scheme,
                                            QList<CustomLightItem> *items);

// Win-lock switches, in the order Alt+Tab, Alt+F4, Shift+Tab, Windows key ("0"/"1").
bool CQuelmoXML_AddProFileFunctionInfo(const char *path, const char *index, const char *altTab,
                                       const char *altF4, const char *shiftTab, const char *windowsKey);
bool CQuelmoXML_GetProFileFunctionInfo(const char *path, const char *index, char switches[4][8]);
// Light sleep time in seconds, keyboard sleep time in minutes.
bool CQuelmoXML_SetProFileIntoSleepTimeInfo(const char *path, const char *index, int lightSeconds,
                                            int keyboardMinutes);
bool CQuelmoXML_GetProFileIntoSleepTimeInfo(const char *path, const char *index, int *lightSeconds,
                                            int *keyboardMinutes);

// The advanced-key store.
bool CQuelmoXML_SeniorKey_CreateXMLFile(const char *path);
bool CQuelmoXML_SeniorKey_CreateProFileXmlParentNode(const char *path);
bool CQuelmoXML_SeniorKey_SelectAllInfoItem(const char *path, QList<SeniorKeyInfoStu> *records);
bool CQuelmoXML_SeniorKey_AddInfoItem(const char *path, int type, SeniorKeyInfoStu record);
bool CQuelmoXML_SeniorKey_ModifyInfoItem(const char *path, int type, SeniorKeyInfoStu record);
bool CQuelmoXML_SeniorKey_DeleteInfoItem(const char *path, int type, int index);
