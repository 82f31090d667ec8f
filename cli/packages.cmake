# Read by cpack.  The zip's time stamps come from SOURCE_DATE_EPOCH; without
# one every file is dated 1980-01-01, the earliest date a zip holds, so that
# two builds of the same source give the same zip.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} 315532800)
endif()
