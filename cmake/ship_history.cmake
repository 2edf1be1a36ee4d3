# Puts a zero-filled sysstats.dat beside the program when none is there, so that a first start finds
# a history to grow. A history that is already there is the user's own and is never touched.
#   cmake -DSOURCE=<zero-filled image> -DTARGET=<folder>/sysstats.dat -P ship_history.cmake
if(NOT EXISTS "${TARGET}")
  get_filename_component(folder "${TARGET}" DIRECTORY)
  file(COPY "${SOURCE}" DESTINATION "${folder}")
endif()
