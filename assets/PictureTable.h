#pragma once

// Every picture of the game with its resource number, as data: the one
// place where a name meets its number. X(name, number) for each picture.
#define VELMORAN_PICTURES(X)                                                                     \
  X(deck40, 169) X(deck45, 170) X(deck50, 176) X(deck55, 173) X(deck60, 178) X(deck65, 175)      \
  X(deck70, 168) X(deck75, 177) X(deck80, 174) X(deck85, 171) X(deck90, 172)                     \
  X(backs40, 187) X(backs45, 184) X(backs50, 186) X(backs55, 183) X(backs60, 180)                \
  X(backs65, 189) X(backs70, 185) X(backs75, 190) X(backs80, 182) X(backs85, 188)                \
  X(backs90, 181)                                                                                \
  X(logo160, 196) X(logo180, 220) X(logo200, 214) X(logo220, 225) X(logo240, 194)                \
  X(logo260, 216) X(logo280, 197) X(logo300, 217) X(logo320, 204) X(logo340, 205)                \
  X(logo360, 223)                                                                                \
  X(books160, 193) X(books180, 211) X(books200, 218) X(books220, 199) X(books240, 202)           \
  X(books260, 224) X(books280, 207) X(books300, 222) X(books320, 208) X(books340, 219)           \
  X(books360, 212)                                                                               \
  X(hand160, 206) X(hand180, 210) X(hand200, 209) X(hand220, 221) X(hand240, 213)                \
  X(hand260, 195) X(hand280, 203) X(hand300, 200) X(hand320, 201) X(hand340, 215)                \
  X(hand360, 198)                                                                                \
  X(victory400, 246) X(victory450, 245) X(victory500, 249) X(victory550, 248)                    \
  X(victory600, 247) X(victory650, 244) X(victory700, 243) X(victory750, 242)                    \
  X(victory800, 241) X(victory850, 240) X(victory900, 239)                                       \
  X(bluetile, 179)                                                                               \
  X(PXshiftclick, 226) X(PXconflict, 227) X(PXbooks, 228) X(PXsettingsmenu, 229)                 \
  X(PXorphan, 230) X(PXotheroptions, 231) X(PXhand, 232) X(PXcheat, 233)                         \
  X(PXcardbacksettings, 234) X(PXstats, 235) X(PXnewgameoptions, 236)                            \
  X(PXaboutBox, 238) X(PXicon, 250)

#include <array>
#include <string_view>

namespace velmoran::assets {

struct PictureEntry {
  std::string_view name;
  int number;
};

#define VELMORAN_PICTURE_ENTRY(name, number) PictureEntry{#name, number},
inline constexpr std::array pictureTable{VELMORAN_PICTURES(VELMORAN_PICTURE_ENTRY)};
#undef VELMORAN_PICTURE_ENTRY

}  // namespace velmoran::assets
