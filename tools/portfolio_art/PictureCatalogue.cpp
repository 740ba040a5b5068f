#include "PictureCatalogue.h"

#include "ArrowGlyphs.h"
#include "BackgroundPicture.h"
#include "BeltConveyorSheet.h"
#include "BucketElevatorSheet.h"
#include "DragChainSheet.h"
#include "DrumPlantRendering.h"
#include "DuctBendSheet.h"
#include "KeyedTextBitmaps.h"
#include "PlantPipingPicture.h"
#include "ScrewConveyorSheet.h"
#include "SteelFramePicture.h"
#include "StorageBinSheet.h"
#include "TrainingClassPicture.h"

namespace portfolio_art {

std::vector<PictureRecipe> portfolioPictures()
{
    using F = PictureFormat;
    return {
        {"background.jpg",
         {684, 459},
         F::BaselineJpeg,
         [] {
             return drawBackgroundPicture({684, 459});
         }},
        {"entry-01.jpg",
         {609, 429},
         F::BaselineJpeg,
         [] {
             return drawBeltConveyorSheet({609, 429});
         }},
        {"entry-02.jpg",
         {555, 392},
         F::BaselineJpeg,
         [] {
             return drawScrewConveyorSheet({555, 392});
         }},
        {"entry-03.jpg",
         {552, 389},
         F::BaselineJpeg,
         [] {
             return drawBucketElevatorSheet({552, 389});
         }},
        {"entry-04.jpg",
         {551, 387},
         F::BaselineJpeg,
         [] {
             return drawDragChainSheet({551, 387});
         }},
        {"entry-05.jpg",
         {619, 438},
         F::BaselineJpeg,
         [] {
             return drawStorageBinSheet({619, 438});
         }},
        {"entry-06.jpg",
         {493, 346},
         F::BaselineJpeg,
         [] {
             return drawDuctBendSheet({493, 346});
         }},
        {"entry-07.jpg",
         {486, 363},
         F::BaselineJpeg,
         [] {
             return drawSteelFramePicture({486, 363});
         }},
        {"entry-08.jpg",
         {461, 346},
         F::BaselineJpeg,
         [] {
             return drawTrainingClassPicture({461, 346});
         }},
        {"entry-09.jpg",
         {471, 353},
         F::BaselineJpeg,
         [] {
             return drawPlantPipingPicture({471, 353});
         }},
        {"entry-10.jpg",
         {971, 665},
         F::BaselineJpeg,
         [] {
             return drawDrumPlantRendering({971, 665});
         }},
        {"banner.bmp",
         {509, 50},
         F::TrueColourBitmap,
         [] {
             return drawContactBanner({509, 50});
         }},
        {"industries.bmp",
         {112, 182},
         F::TrueColourBitmap,
         [] {
             return drawIndustriesList({112, 182});
         }},
        {"arrow-up.bmp",
         {38, 39},
         F::TrueColourBitmap,
         [] {
             return drawArrowGlyph({38, 39}, ArrowDirection::Up);
         }},
        {"arrow-down.bmp",
         {38, 39},
         F::TrueColourBitmap,
         [] {
             return drawArrowGlyph({38, 39}, ArrowDirection::Down);
         }},
    };
}

} // namespace portfolio_art
