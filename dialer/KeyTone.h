// The tone of a dial-pad key, played unless the user switched key clicks off
// (the "Key" value under HKEY_CURRENT_USER "ControlPanel\Volume" is 0x10000).
// Missing settings leave the tones on.
#pragma once

// Plays the tone file synchronously: the key's character is typed after it.
void PlayKeyTone(const wchar_t* toneFile);

// Whether the registry switches key clicks off.
bool KeyClicksOff();
