#pragma once
// Style words, item states and notification codes of the owner-drawn
// buttons, with the values stored and compared by their callers.
#include <cstdint>

// Window style bits a button keeps (alignment, wrapping, owner draw).
inline constexpr uint32_t BS_TYPEMASK = 0x000F;
inline constexpr uint32_t BS_OWNERDRAW = 0x000B;
inline constexpr uint32_t BS_LEFT = 0x0100;
inline constexpr uint32_t BS_RIGHT = 0x0200;
inline constexpr uint32_t BS_CENTER = 0x0300;
inline constexpr uint32_t BS_TOP = 0x0400;
inline constexpr uint32_t BS_BOTTOM = 0x0800;
inline constexpr uint32_t BS_VCENTER = 0x0C00;
inline constexpr uint32_t BS_MULTILINE = 0x2000;
inline constexpr uint32_t BS_HORZMASK = 0x0300;
inline constexpr uint32_t BS_VERTMASK = 0x0C00;

// State of the item being drawn.
inline constexpr unsigned ODS_SELECTED = 0x0001; // pushed
inline constexpr unsigned ODS_DISABLED = 0x0004;
inline constexpr unsigned ODS_FOCUS = 0x0010;

// Extended style of the bitmap button.
inline constexpr uint32_t BBS_DROPDOWN = 0x00001;
inline constexpr uint32_t BBS_TOGGLE = 0x00002;
inline constexpr uint32_t BBS_RIGHTARROW = 0x10000;
inline constexpr uint32_t BBS_NOARROW = 0x20000;
inline constexpr uint32_t BBS_THREESTATE = 0x40000;

// Toggle state of the bitmap button.
inline constexpr uint32_t BBST_ON = 0x1;
inline constexpr uint32_t BBST_INDETERMINATE = 0x2;

// Notifications to the owner; a non-zero answer vetoes the action.
inline constexpr unsigned BBN_DROPDOWN = 32978;
inline constexpr unsigned BBN_TOGGLE = 32989;

// Colour given as "no mask colour".
inline constexpr uint32_t CLR_NOMASK = 0xFFFFFFFF;
