# The sound effects the program embeds, relative to this folder. The program
# fetches them by number as ":/sounds/<number>.wav":
#
#   include(${PROJECT_SOURCE_DIR}/resources/sounds.cmake)
#   qt_add_resources(fallox "sounds" PREFIX "/" BASE ${FALLOX_RESOURCE_DIR}
#                    FILES ${FALLOX_SOUND_PATHS})
set(FALLOX_RESOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(FALLOX_SOUND_FILES
  sounds/101.wav
  sounds/102.wav
  sounds/103.wav
  sounds/104.wav
  sounds/105.wav
  sounds/106.wav
  sounds/107.wav
)
list(TRANSFORM FALLOX_SOUND_FILES PREPEND "${FALLOX_RESOURCE_DIR}/" OUTPUT_VARIABLE FALLOX_SOUND_PATHS)
