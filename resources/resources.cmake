# Every picture of the game, relative to resources/. They are embedded with
#   qt_add_resources(<target> ... PREFIX "/" BASE resources FILES ...)
# and loaded as ":/<path>". All of them are painted by tools/gen_art; after
# changing the artwork run `gen_art resources` and commit the files.
set(FALLOX_RESOURCE_FILES
  images/background.png
  images/intro.png
  images/button_up.png
  images/button_down.png
  images/tile0.png
  images/tile1.png
  images/tile2.png
  images/tile3.png
  images/tile4.png
  images/tile5.png
  images/tile6.png
  images/tile7.png
  images/next1.png
  images/next2.png
  images/next3.png
  images/next4.png
  images/next5.png
  images/next6.png
  images/next7.png
  images/options_background.png
  images/highscore_title.png
  images/icon.png
  images/icon256.png
  skin/FM.bmp
  skin/OK.bmp
  skin/ABBRECHEN.bmp
  skin/REVERSE.bmp
  skin/KLEIN.bmp
  skin/RKLEIN.bmp
  skin/EXIT.bmp
  skin/REXIT.bmp
  skin/SCHLIESSEN.bmp
)
