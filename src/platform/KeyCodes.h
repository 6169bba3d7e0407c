#pragma once
// Key numbers of the keys without a character that key-input nodes can see; a key with a
// character counts by that character's code (letters upper-case), so these stay below 32.
namespace Key {
constexpr int Back = 0x08;
constexpr int Tab = 0x09;
constexpr int Return = 0x0D;
constexpr int Shift = 0x10;
constexpr int Control = 0x11;
constexpr int Menu = 0x12;
constexpr int Escape = 0x1B;
constexpr int Count = 256;
}  // namespace Key
