// Lets a folder with no portable sources yet still form its library.
