#pragma once

// Set-up calls of the keyboard SDK that are not about one device.

// Writes the SDK's version text, NUL-terminated and cut to fit, into `buffer` (`size` bytes).
// Returns 0, or -1 without a buffer.
int CQuelmoSDK_VersionStr(char *buffer, int size = 1024);

// Starts the light-effect engine. 0 on success.
int CQuelmoLight_Init();
