#include "app/ripple_embedded.h"

// POLVANE_WAVE_LIBRARY_FILE and POLVANE_RIPPLE_PICTURE_FILE name the files as
// they are at build time; the build recompiles this file when either changes.
__asm__(
    "  .pushsection .rodata.polvane_ripple_files, \"a\", @progbits\n"
    "  .balign 16\n"
    "  .globl polvane_wave_library_begin, polvane_wave_library_end\n"
    "  .hidden polvane_wave_library_begin, polvane_wave_library_end\n"
    "polvane_wave_library_begin:\n"
    "  .incbin \"" POLVANE_WAVE_LIBRARY_FILE "\"\n"
    "polvane_wave_library_end:\n"
    "  .balign 16\n"
    "  .globl polvane_ripple_picture_begin, polvane_ripple_picture_end\n"
    "  .hidden polvane_ripple_picture_begin, polvane_ripple_picture_end\n"
    "polvane_ripple_picture_begin:\n"
    "  .incbin \"" POLVANE_RIPPLE_PICTURE_FILE "\"\n"
    "polvane_ripple_picture_end:\n"
    "  .popsection\n");

extern "C" {
__attribute__((visibility("hidden"))) extern const std::uint8_t polvane_wave_library_begin[];
__attribute__((visibility("hidden"))) extern const std::uint8_t polvane_wave_library_end[];
__attribute__((visibility("hidden"))) extern const std::uint8_t polvane_ripple_picture_begin[];
__attribute__((visibility("hidden"))) extern const std::uint8_t polvane_ripple_picture_end[];
}

std::span<const std::uint8_t> WaveLibraryBytes() {
  return std::span<const std::uint8_t>(polvane_wave_library_begin, polvane_wave_library_end);
}

std::span<const std::uint8_t> RipplePictureBytes() {
  return std::span<const std::uint8_t>(polvane_ripple_picture_begin, polvane_ripple_picture_end);
}
