# Copies the level sets FROM beside the built program (TO), making TO even when there is
# nothing to copy yet.
file(MAKE_DIRECTORY "${TO}")
if(EXISTS "${FROM}")
    file(COPY "${FROM}/" DESTINATION "${TO}")
endif()
