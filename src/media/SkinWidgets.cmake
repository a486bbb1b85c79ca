# The skin's shared widgets: picture buttons, skinned windows and what they
# are made of (dragging, ownership, centring, the design font, pictures per
# scale), the skin bitmaps by name and the web-page opener.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_library(fallox_skin STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CentredPosition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CentredPosition.h
  ${CMAKE_CURRENT_LIST_DIR}/DesktopMove.h
  ${CMAKE_CURRENT_LIST_DIR}/DesignFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesignFont.h
  ${CMAKE_CURRENT_LIST_DIR}/PictureButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureButton.h
  ${CMAKE_CURRENT_LIST_DIR}/SkinPictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinPictures.h
  ${CMAKE_CURRENT_LIST_DIR}/SkinnedWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinnedWindow.h
  ${CMAKE_CURRENT_LIST_DIR}/PictureScale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureScale.h
  ${CMAKE_CURRENT_LIST_DIR}/WebPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WebPage.h
  ${CMAKE_CURRENT_LIST_DIR}/WindowDrag.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowDrag.h
  ${CMAKE_CURRENT_LIST_DIR}/WindowOwner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowOwner.h
)
# The desktop's own move of a dragged window: Windows' move loop there; on
# Linux the compositor's in a Wayland session, which only Linux reads; in a
# browser the window always moves itself.
if(WIN32)
  target_sources(fallox_skin PRIVATE ${CMAKE_CURRENT_LIST_DIR}/DesktopMoveWindows.cpp)
elseif(EMSCRIPTEN)
  target_sources(fallox_skin PRIVATE ${CMAKE_CURRENT_LIST_DIR}/DesktopMoveWeb.cpp)
else()
  target_sources(fallox_skin PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DesktopMoveLinux.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DesktopSession.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DesktopSession.h
  )
endif()
set_target_properties(fallox_skin PROPERTIES AUTOMOC ON)
target_include_directories(fallox_skin PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(fallox_skin PUBLIC Qt6::Widgets)

# Every picture of the game, embedded once, loaded as ":/images/..." and ":/skin/...".
include(${PROJECT_SOURCE_DIR}/resources/resources.cmake)
list(TRANSFORM FALLOX_RESOURCE_FILES PREPEND ${PROJECT_SOURCE_DIR}/resources/ OUTPUT_VARIABLE fallox_pictures)
qt_add_resources(fallox_skin "pictures" PREFIX "/" BASE ${PROJECT_SOURCE_DIR}/resources FILES ${fallox_pictures})

# The labels' font, embedded so they look alike on every system, Windows
# without its own fonts included; RegisterDesignFonts() adds it as
# ":/fonts/..." where the system lacks the face.
qt_add_resources(fallox_skin "fonts" PREFIX "/" BASE ${PROJECT_SOURCE_DIR}/resources FILES
  ${PROJECT_SOURCE_DIR}/resources/fonts/DejaVuSans.ttf
  ${PROJECT_SOURCE_DIR}/resources/fonts/DejaVuSans-Bold.ttf
)
