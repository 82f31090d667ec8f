# Writes FILE.sha256 beside FILE, in the form sha256sum -c reads:
#   cmake -DFILE=PATH -P checksum.cmake
file(SHA256 ${FILE} sum)
get_filename_component(name ${FILE} NAME)
file(WRITE ${FILE}.sha256 "${sum}  ${name}\n")
